#include "gui/reports/print_file_form.hpp"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/file_replace.hpp"
#include "base/option_numbers.hpp"
#include "base/program_folder.hpp"
#include "base/text_lines.hpp"
#include "gui/common/screen_areas.hpp"
#include "gui/common/workstation.hpp"
#include "reports/print_file.hpp"

namespace solvaris {

namespace {

constexpr int kMinimumWidthPixels = 480;
constexpr int kInitialHeightPixels = 520;
// Room beside the text for the frame, the text box's margins and its
// vertical scroll bar.
constexpr int kBesideTextPixels = 64;

std::filesystem::path PrintFilePath(Workstation& workstation) {
    return FindInFolder(workstation.session().folder, kPrintFileName);
}

}  // namespace

PrintFileForm::PrintFileForm(Workstation& workstation, QWidget* parent)
    : QDialog(parent),
      workstation_(workstation),
      txtContent_(new QPlainTextEdit(this)),
      btnPrint_(new QPushButton(tr("&Print"), this)) {
    setObjectName("PrntFile");
    setWindowTitle(tr("File To Print"));
    txtContent_->setObjectName("txtContent");
    txtContent_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QString::fromUtf8(kPrinterFontName.data(), kPrinterFontName.size()));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kWidePrintPoints);
    txtContent_->setFont(font);
    btnPrint_->setObjectName("btnPrint");
    auto* btnCancel = new QPushButton(tr("&Cancel"), this);
    btnCancel->setObjectName("btnCancel");
    connect(btnPrint_, &QPushButton::clicked, this, &PrintFileForm::btnPrint_Click);
    connect(btnCancel, &QPushButton::clicked, this, &PrintFileForm::btnCancel_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPrint_);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtContent_);
    layout->addLayout(buttons);
    LoadPrintFile();
    FitWidthToText();
}

// As wide as the widest line, as far as the screen allows.
void PrintFileForm::FitWidthToText() {
    const QFontMetrics metrics(txtContent_->font());
    int widest = 0;
    const QStringList lines = txtContent_->toPlainText().split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    int width = std::max(kMinimumWidthPixels, widest + kBesideTextPixels);
    resize(std::min(width, ScreenAreaOf(this).width), kInitialHeightPixels);
}

void PrintFileForm::LoadPrintFile() {
    const std::filesystem::path file = PrintFilePath(workstation_);
    const auto lines = ReadTextLines(file);
    if (!lines) {
        workstation_.platform().ShowMessage("The file " + file.string() + " cannot be read.",
                                            "Error!", MessageIcon::Exclamation);
        btnPrint_->setEnabled(false);
        return;
    }
    wideText_ = IsWideText(*lines, workstation_.session().options(opt::PrintFileWidth));
    QString text = QString::fromStdString(JoinCrLf(*lines));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtContent_->setPlainText(text);
}

void PrintFileForm::btnPrint_Click() {
    const std::unique_ptr<Printer> printer = workstation_.ChoosePrinter();
    if (!printer) {
        return;
    }
    // The text as shown, edits included, goes through the file as printed.
    QString shown = txtContent_->toPlainText();
    shown.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    const std::filesystem::path file = PrintFilePath(workstation_);
    std::string failure = ReplaceFileContent(file, PrintFileContent(shown.toStdString()));
    const auto lines = failure.empty() ? ReadTextLines(file) : std::nullopt;
    if (failure.empty() && !lines) {
        failure = "it cannot be read back";
    }
    if (!failure.empty()) {
        workstation_.platform().ShowMessage(
            "The print file " + file.string() + " could not be written: " + failure, "Error!",
            MessageIcon::Critical);
        return;
    }
    failure =
        PrintLines(*printer, PrintPointsFor(wideText_), *lines,
                   PrintedPageLines(workstation_.session().options), PageBreaks::AfterFirstPage);
    if (!failure.empty()) {
        workstation_.platform().ShowMessage("The text could not be printed: " + failure, "Error!",
                                            MessageIcon::Critical);
        return;
    }
    close();
}

void PrintFileForm::btnCancel_Click() { close(); }

}  // namespace solvaris
