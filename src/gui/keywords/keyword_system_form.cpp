#include "gui/keywords/keyword_system_form.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "gui/common/workstation.hpp"
#include "gui/controls/qt_text.hpp"
#include "keywords/keyword_lessons.hpp"

namespace solvaris {

namespace {

struct LessonButton {
    const char* name;
    const char* caption;
    std::string_view file;
};

// The key lesson's button has no caption of its own; "Key" names it.
constexpr LessonButton kLessonButtons[] = {
    {"OKIntro1", "Intro", "INTRO1.TXT"},
    {"OKIntro2", "Steps", "INTRO2.TXT"},
    {"OKKey1", "Key", "KEY.TXT"},
    {"OKGeneral1", "General", "GENERAL.TXT"},
    {"OKExample1", "Example", "EXAMPLE1.TXT"},
    {"OKExample2", "Summary", "EXAMPLE2.TXT"},
    {"OKAspects", "Aspects", "ASPECTS.TXT"},
};

template <std::size_t N>
QComboBox* AddList(QGridLayout& grid, int column, const char* name, const char* caption,
                   const std::array<std::string_view, N>& entries) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    for (std::string_view entry : entries) {
        list->addItem(QtText(entry));
    }
    grid.addWidget(new QLabel(caption), 0, column);
    grid.addWidget(list, 1, column);
    return list;
}

}  // namespace

KeywordSystemForm::KeywordSystemForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation) {
    setObjectName("KW_SYSTM");
    setWindowTitle("Keyword System of Analysis");
    auto* grid = new QGridLayout(this);
    const struct {
        QComboBox* list;
        std::string (*file)(std::string_view);
    } lists[] = {
        {AddList(*grid, 0, "Combo1", "Signs", kLessonSigns), &SignLessonFile},
        {AddList(*grid, 1, "Combo2", "Houses", kLessonHouses), &HouseLessonFile},
        {AddList(*grid, 2, "Combo3", "Planets", kLessonPlanets), &PlanetLessonFile},
    };
    for (const auto& list : lists) {
        connect(list.list, &QComboBox::activated, this,
                [this, combo = list.list, file = list.file](int) {
                    OpenLesson(file(combo->currentText().toStdString()));
                });
    }
    int row = 2;
    int column = 0;
    for (const LessonButton& lesson : kLessonButtons) {
        auto* button = new QPushButton(lesson.caption);
        button->setObjectName(lesson.name);
        grid->addWidget(button, row, column);
        connect(button, &QPushButton::clicked, this,
                [this, file = lesson.file]() { OpenLesson(file); });
        if (++column == 3) {
            column = 0;
            ++row;
        }
    }
    auto* quit = new QPushButton("Quit");
    quit->setObjectName("Command1");
    grid->addWidget(quit, row, 2);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

void KeywordSystemForm::OpenLesson(std::string_view fileName) {
    ReportContext context{workstation_.session(), workstation_.platform(),
                          workstation_.DataWindow()};
    if (ShowLesson(context, fileName)) {
        Q_EMIT reportShown();
    }
}

}  // namespace solvaris
