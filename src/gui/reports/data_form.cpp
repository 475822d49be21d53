#include "gui/reports/data_form.hpp"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>

#include "base/file_replace.hpp"
#include "base/program_folder.hpp"
#include "gui/common/screen_areas.hpp"
#include "gui/common/workstation.hpp"
#include "gui/controls/named_menu.hpp"
#include "gui/reports/print_file_form.hpp"
#include "reports/data_font.hpp"
#include "reports/print_file.hpp"
#include "reports/report_stepping.hpp"
#include "reports/saved_report.hpp"
#include "reports/text_documents.hpp"
#include "reports/transit_interpretations.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kTextCapacityBytes = std::size_t{16} << 20;
constexpr const char* kDataFontName = "COURIER NEW";
constexpr const char* kDataHelpFile = "OUTPUTD1.HLP";
// Every character as wide as every other. (Fontconfig calls some
// monospaced fonts proportional for a few combining marks, so QFontInfo's
// fixedPitch() cannot be trusted here.)
bool FixedWidth(const QFont& font) {
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(QLatin1Char('W'));
    return width > 0 && metrics.horizontalAdvance(QLatin1Char('i')) == width &&
           metrics.horizontalAdvance(QLatin1Char(' ')) == width;
}

void ShowNoData(Platform& platform, const char* text) {
    platform.ShowMessage(text, "Information", MessageIcon::Exclamation);
}

}  // namespace

DataForm::DataForm(Workstation& workstation, QWidget* parent)
    : QMainWindow(parent),
      workstation_(workstation),
      text1_(new QPlainTextEdit(this)),
      fontStepPoints_(kDataFontStepPoints) {
    setObjectName("OutputD1");
    text1_->setObjectName("Text1");
    // The text box shows the report; the save and print commands take the
    // buffer, so edits here would be lost without a word.
    text1_->setReadOnly(true);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setContextMenuPolicy(Qt::NoContextMenu);
    text1_->installEventFilter(this);
    text1_->viewport()->installEventFilter(this);
    setCentralWidget(text1_);
    BuildMenus();
    LoadPlacement();
    const bool ephemerisShown = workstation_.ephemeris.shown;
    SetMoreMenuVisible(ephemerisShown);
    SetMoreNewDateVisible(ephemerisShown);
    LoadFont();
    loading_ = false;
}

void DataForm::BuildMenus() {
    const auto action = [this](QWidget* owner, const char* name, const char* caption,
                               void (DataForm::*handler)()) {
        QAction* item = AddItem(owner, caption, name);
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    const auto menu = [this](const char* name, const char* caption) {
        return AddMenu(menuBar(), caption, name);
    };
    QMenu* file = menu("mnuFile", "&File");
    action(file, "mnuFileSave", "&Save", &DataForm::mnuFileSave_Click);
    action(file, "mnuFileSaveAs", "Save &As", &DataForm::mnuFileSaveAs_Click);
    QMenu* fonts = menu("mnuFonts", "F&ont");
    mnuFontsIncrease_ =
        action(fonts, "mnuFontsIncrease", "&Increase", &DataForm::mnuFontsIncrease_Click);
    mnuFontsDecrease_ =
        action(fonts, "mnuFontsDecrease", "&Decrease", &DataForm::mnuFontsDecrease_Click);
    mnuFontsBold_ = action(fonts, "mnuFontsBold", "&Bold", &DataForm::mnuFontsBold_Click);
    mnuFontsItalic_ = action(fonts, "mnuFontsItalic", "I&talic", &DataForm::mnuFontsItalic_Click);
    mnuFontsBold_->setCheckable(true);
    mnuFontsItalic_->setCheckable(true);
    action(menuBar(), "mnuClearBuffer", "&Clear all data", &DataForm::mnuClearBuffer_Click);
    action(menuBar(), "mnuPrint", "&Print page", &DataForm::mnuPrint_Click);
    action(menuBar(), "mnuPrintData", "Print &data", &DataForm::mnuPrintData_Click);
    QMenu* more = menu("mnuMore", "&More");
    mnuMore_ = more->menuAction();
    action(more, "mnuMoreZForward", "&Forward", &DataForm::mnuMoreZForward_Click);
    action(more, "mnuMoreBackward", "&Backward", &DataForm::mnuMoreBackward_Click);
    mnuMoreNewDate_ = action(more, "mnuMoreNewDate", "&New Date", &DataForm::mnuMoreNewDate_Click);
    action(menuBar(), "mnuHelp", "&Help", &DataForm::mnuHelp_Click);
}

void DataForm::LoadPlacement() {
    Place(*this, PlacementFromSettings(workstation_.session().settings, KeptWindow::Data,
                                       workstation_.twipsPerPixel, ScreenAreas()));
}

void DataForm::StorePlacementInSettings() {
    if (loading_ || isMinimized()) {
        return;
    }
    StorePlacement(workstation_.session().settings, KeptWindow::Data, PlacementOf(*this),
                   workstation_.twipsPerPixel);
}

void DataForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    StorePlacementInSettings();
}

void DataForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    StorePlacementInSettings();
}

void DataForm::LoadFont() {
    const Settings& settings = workstation_.session().settings;
    QFont font(kDataFontName);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(settings.fontSize > 0 ? settings.fontSize : kSmallestDataFontPoints);
    font.setBold(settings.fontBold != 0);
    font.setItalic(settings.fontItalic != 0);
    text1_->setFont(font);
    mnuFontsBold_->setChecked(font.bold());
    mnuFontsItalic_->setChecked(font.italic());
    if (!FixedWidth(text1_->font())) {
        workstation_.platform().ShowMessage(
            "You must have the COURIER NEW font installed in Windows. Please add this font "
            "through CONTROL PANEL - FONTS.",
            "Information!", MessageIcon::Exclamation);
    }
}

bool DataForm::Minimised() const { return isMinimized(); }

std::size_t DataForm::TextCapacity() const { return kTextCapacityBytes; }

void DataForm::SetText(const std::string& text) {
    reportText_ = text;
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text1_->setPlainText(shown);
}

void DataForm::Show(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
    show();
    raise();
}

void DataForm::closeEvent(QCloseEvent* event) {
    closed_ = true;
    QMainWindow::closeEvent(event);
}

void DataForm::SetMoreMenuVisible(bool visible) { mnuMore_->setVisible(visible); }

void DataForm::SetMoreNewDateVisible(bool visible) { mnuMoreNewDate_->setVisible(visible); }

bool DataForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        workstation_.ActivateMainWindow();
        return true;
    }
    if (watched == text1_->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        workstation_.ActivateMainWindow();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool DataForm::WriteReportFile(const std::string& path) {
    Session& session = workstation_.session();
    const std::string failure =
        ReplaceFileContent(path, SavedReportText(session.reports.Session(), session.options));
    if (!failure.empty()) {
        workstation_.platform().ShowMessage(
            "The data could not be saved to " + path + ": " + failure, "Error!",
            MessageIcon::Critical);
        return false;
    }
    return true;
}

void DataForm::mnuFileSave_Click() {
    if (workstation_.session().reports.LineCount() == 0) {
        ShowNoData(workstation_.platform(), "No data to write to file.");
        return;
    }
    if (workstation_.reportSaveFile.empty()) {
        mnuFileSaveAs_Click();
        return;
    }
    WriteReportFile(workstation_.reportSaveFile);
}

void DataForm::mnuFileSaveAs_Click() {
    Session& session = workstation_.session();
    if (session.reports.LineCount() == 0) {
        ShowNoData(workstation_.platform(), "No data to write to file.");
        return;
    }
    const std::string proposed =
        (session.folder / ProposedReportFileName(session.natal.name)).string();
    const std::string chosen = workstation_.platform().ChooseSaveFile("*.DOC", proposed);
    if (chosen.empty()) {
        return;
    }
    const std::string path = WithReportExtension(chosen).string();
    if (WriteReportFile(path)) {
        workstation_.reportSaveFile = path;
    }
}

void DataForm::mnuFontsIncrease_Click() {
    double& stored = workstation_.session().settings.fontSize;
    if (const auto shown = StepDataFontSize(stored, fontStepPoints_, FontStep::Increase)) {
        QFont font = text1_->font();
        font.setPointSizeF(*shown);
        text1_->setFont(font);
    }
    RefreshAfterFontChange();
}

void DataForm::mnuFontsDecrease_Click() {
    double& stored = workstation_.session().settings.fontSize;
    if (const auto shown = StepDataFontSize(stored, fontStepPoints_, FontStep::Decrease)) {
        QFont font = text1_->font();
        font.setPointSizeF(*shown);
        text1_->setFont(font);
    }
    RefreshAfterFontChange();
}

void DataForm::mnuFontsBold_Click() {
    QFont font = text1_->font();
    font.setBold(!font.bold());
    text1_->setFont(font);
    mnuFontsBold_->setChecked(font.bold());
    workstation_.session().settings.fontBold = FontFlagSetting(font.bold());
    RefreshAfterFontChange();
}

void DataForm::mnuFontsItalic_Click() {
    QFont font = text1_->font();
    font.setItalic(!font.italic());
    text1_->setFont(font);
    mnuFontsItalic_->setChecked(font.italic());
    workstation_.session().settings.fontItalic = FontFlagSetting(font.italic());
    RefreshAfterFontChange();
}

// The text box lays its text out again in the new font by itself; only the
// size items follow the stored size, and only while a report is shown.
void DataForm::RefreshAfterFontChange() {
    if (workstation_.session().reports.CurrentCount() == 0) {
        return;
    }
    const double stored = workstation_.session().settings.fontSize;
    mnuFontsDecrease_->setEnabled(CanDecreaseDataFont(stored));
    mnuFontsIncrease_->setEnabled(CanIncreaseDataFont(stored));
}

void DataForm::mnuClearBuffer_Click() {
    workstation_.session().reports.ClearBuffer(workstation_.platform());
}

void DataForm::OpenPrintFile(const std::vector<std::string>& lines) {
    const std::filesystem::path file = FindInFolder(workstation_.session().folder, kPrintFileName);
    const std::string failure = ReplaceFileContent(file, PrintFileText(lines));
    if (!failure.empty()) {
        workstation_.platform().ShowMessage(
            "The print file " + file.string() + " could not be written: " + failure, "Error!",
            MessageIcon::Critical);
        return;
    }
    auto* form = new PrintFileForm(workstation_, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
}

void DataForm::mnuPrint_Click() {
    const ReportBuffer& reports = workstation_.session().reports;
    if (reports.CurrentCount() == 0) {
        return;
    }
    OpenPrintFile(reports.Current());
}

void DataForm::mnuPrintData_Click() {
    const ReportBuffer& reports = workstation_.session().reports;
    if (reports.LineCount() == 0) {
        ShowNoData(workstation_.platform(), "No data to print.");
        return;
    }
    OpenPrintFile(reports.Session());
}

void DataForm::Step(bool forward) {
    ReportContext context{workstation_.session(), workstation_.platform(), *this};
    const bool ephemeris = !workstation_.session().reports.interpretationStepping;
    StepReport(context, workstation_.natalEntry, workstation_.houseSystem, workstation_.ephemeris,
               forward ? StepDirection::Forward : StepDirection::Backward);
    if (ephemeris) {
        // The ephemeris writes its start date into the natal entry.
        workstation_.AnnounceEntryChanged();
    }
}

void DataForm::mnuMoreZForward_Click() { Step(true); }

void DataForm::mnuMoreBackward_Click() { Step(false); }

// The new date's window runs the interpretations from the chosen day.
void DataForm::mnuMoreNewDate_Click() { Q_EMIT newDateRequested(); }

void DataForm::mnuHelp_Click() {
    ReportContext context{workstation_.session(), workstation_.platform(), *this};
    ShowTextDocument(context, kDataHelpFile);
}

void InstallDataForm(Workstation& workstation, std::function<void(DataForm&)> created) {
    auto form = std::make_shared<QPointer<DataForm>>();
    workstation.SetDataWindowFactory(
        [&workstation, form, created = std::move(created)]() -> DataWindowView& {
            // A window closed in this same command (the Input command of a
            // house change) is deleted later: its report would be lost.
            if (form->isNull() || (*form)->Closed()) {
                *form = new DataForm(workstation);
                (*form)->setAttribute(Qt::WA_DeleteOnClose);
                if (created) {
                    created(**form);
                }
            }
            return **form;
        });
}

}  // namespace solvaris
