// KW_SYSTM, "Keyword System of Analysis": the reader of the keyword-system
// lessons. A sign, house or planet chosen from its list, or a lesson
// button, opens that lesson in the data window.
#pragma once

#include <QWidget>
#include <string_view>

namespace solvaris {

class Workstation;

class KeywordSystemForm : public QWidget {
    Q_OBJECT
public:
    explicit KeywordSystemForm(Workstation& workstation, QWidget* parent = nullptr);

    void OpenLesson(std::string_view fileName);

Q_SIGNALS:
    // A lesson went to the data window.
    void reportShown();

private:
    Workstation& workstation_;
};

}  // namespace solvaris
