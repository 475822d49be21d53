#include "gui/platform/qt_platform.hpp"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include "gui/controls/qt_text.hpp"
#include "gui/platform/select_file_form.hpp"

namespace solvaris {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton BoxButton(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok: return QMessageBox::Ok;
        case MessageAnswer::Yes: return QMessageBox::Yes;
        case MessageAnswer::No: return QMessageBox::No;
        case MessageAnswer::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton escape;  // what closing the box answers
};

ButtonSet Buttons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
        case MessageButtons::YesNo:
            return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
        case MessageButtons::YesNoCancel:
            return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
                    QMessageBox::Cancel};
    }
    return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

MessageAnswer Answer(int button) {
    switch (button) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        default: return MessageAnswer::Ok;
    }
}

}  // namespace

QWidget* QtPlatform::DialogParent() const {
    if (dialogParent_) {
        return dialogParent_;
    }
    return QApplication::activeWindow();
}

MessageAnswer QtPlatform::ShowMessage(std::string_view text, std::string_view title,
                                      MessageIcon icon, MessageButtons buttons,
                                      std::optional<MessageAnswer> defaultButton) {
    const ButtonSet set = Buttons(buttons);
    QMessageBox box(BoxIcon(icon), QtText(title), QtText(text), set.buttons, DialogParent());
    QMessageBox::StandardButton chosenDefault = set.first;
    if (defaultButton && set.buttons.testFlag(BoxButton(*defaultButton))) {
        chosenDefault = BoxButton(*defaultButton);
    }
    box.setDefaultButton(chosenDefault);
    box.setEscapeButton(set.escape);
    // A message is read with the normal pointer even inside a busy command.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int pressed = box.exec();
    QApplication::restoreOverrideCursor();
    return Answer(pressed);
}

std::string QtPlatform::ChooseFile(std::string_view pattern, std::string_view current) {
    return ChooseWithSelectFile(*this, pattern, current, DialogParent());
}

std::string QtPlatform::ChooseSaveFile(std::string_view pattern, std::string_view proposed) {
    QFileDialog dialog(DialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Files copied from Windows may be named in either case.
    const QString filter = QtText(pattern);
    dialog.setNameFilter(filter + QLatin1Char(' ') + filter.toLower());
    if (!proposed.empty()) {
        const QFileInfo file(QtText(proposed));
        dialog.setDirectory(file.absolutePath());
        dialog.selectFile(file.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

std::string QtPlatform::InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText) {
    bool accepted = false;
    const QString typed = QInputDialog::getText(DialogParent(), QtText(title), QtText(prompt),
                                                QLineEdit::Normal, QtText(defaultText), &accepted);
    return accepted ? typed.toStdString() : std::string();
}

bool QtPlatform::StartAndWait(const std::filesystem::path& program) {
    QProcess process;
    process.setProgram(QString::fromStdString(program.string()));
    process.setWorkingDirectory(QString::fromStdString(program.parent_path().string()));
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start();
    if (!process.waitForStarted(-1)) {
        return false;
    }
    // The windows keep painting and answering while the program runs.
    if (process.state() != QProcess::NotRunning) {
        loop.exec();
    }
    return true;
}

void QtPlatform::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

LocalDateTime QtPlatform::Now() const {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

DateOrder QtPlatform::UserDateOrder() const {
    return DateOrderOfFormat(QLocale().dateFormat(QLocale::ShortFormat));
}

bool QtPlatform::TwelveHourClock() const {
    return TwelveHourClockOfFormat(QLocale().timeFormat(QLocale::ShortFormat));
}

DateOrder DateOrderOfFormat(const QString& shortDateFormat) {
    const qsizetype day = shortDateFormat.indexOf(QLatin1Char('d'));
    const qsizetype month = shortDateFormat.indexOf(QLatin1Char('M'));
    const qsizetype year = shortDateFormat.indexOf(QLatin1Char('y'));
    if (year >= 0 && (day < 0 || year < day) && (month < 0 || year < month)) {
        return DateOrder::YearMonthDay;
    }
    if (day >= 0 && month >= 0 && day < month) {
        return DateOrder::DayMonthYear;
    }
    return DateOrder::MonthDayYear;
}

bool TwelveHourClockOfFormat(const QString& timeFormat) {
    // An "a" or "A" outside quoted literal text is the A.M./P.M. marker.
    bool quoted = false;
    for (const QChar c : timeFormat) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && (c == QLatin1Char('a') || c == QLatin1Char('A'))) {
            return true;
        }
    }
    return false;
}

}  // namespace solvaris
