// The platform on Qt Widgets: message boxes, the file chooser (the
// program's own SelectFIle window), the input box, outside programs, the
// busy pointer, the clock and the locale's date order and clock. The only
// place that opens Qt's standard dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/platform.hpp"

namespace solvaris {

class QtPlatform : public Platform {
public:
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons,
                              std::optional<MessageAnswer> defaultButton) override;
    std::string ChooseFile(std::string_view pattern, std::string_view current) override;
    std::string ChooseSaveFile(std::string_view pattern, std::string_view proposed) override;
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
    bool StartAndWait(const std::filesystem::path& program) override;
    void SetBusy(bool busy) override;
    // The present instant in universal time.
    LocalDateTime Now() const override;
    DateOrder UserDateOrder() const override;
    bool TwelveHourClock() const override;

    // The window the dialogs stand over (the main window once it exists).
    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }

private:
    QWidget* DialogParent() const;

    QPointer<QWidget> dialogParent_;
};

// The locale's short date format read as a date order ("dd.MM.yy" is day
// first) and its time format as a 12-hour clock (an "AP"/"ap" marker).
DateOrder DateOrderOfFormat(const QString& shortDateFormat);
bool TwelveHourClockOfFormat(const QString& timeFormat);

}  // namespace solvaris
