#include "gui/shell/options_form.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/ephemeris_choice.hpp"
#include "app/extra_points_option_lines.hpp"
#include "app/harmonic_option_lines.hpp"
#include "app/user_ayanamsa_fields.hpp"
#include "app/zodiac_option_lines.hpp"
#include "chart/harmonic_chart.hpp"
#include "gui/common/workstation.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/controls/text_file_box.hpp"

namespace solvaris {

namespace {

// The combo box's rows, in the order of the engine's values.
constexpr const char* kEngineNames[] = {"built-in theories", "Swiss Ephemeris"};

// Row 0 the tropical zodiac, row 1 + n the sidereal with ayanamsa n.
constexpr const char* kZodiacNames[] = {"tropical",
                                        "sidereal, Lahiri",
                                        "sidereal, Fagan/Bradley",
                                        "sidereal, Krishnamurti",
                                        "sidereal, Raman",
                                        "sidereal, the user's ayanamsa (options 221 and 222)"};

int ZodiacRow(const Zodiac& zodiac) {
    return zodiac.sidereal ? 1 + static_cast<int>(zodiac.ayanamsa) : 0;
}

QLineEdit* NumberField(const char* name, const char* tip) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setToolTip(tip);
    field->setMaximumWidth(90);
    return field;
}

std::string Trimmed(const QString& text) { return text.trimmed().toStdString(); }

}  // namespace

OptionsForm::OptionsForm(Workstation& workstation, OptionsWindow content, QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation), content_(std::move(content)) {
    setObjectName("Options");
    setWindowTitle(QString::fromStdString(content_.caption));
    const TextFileBox box = AddTextFileBox(*this, content_.txtContent);
    txtContent_ = box.txtContent;
    box.column->insertLayout(0, EngineRow());
    box.column->insertLayout(1, ZodiacAndPointsRow());
    box.column->insertLayout(2, UserAyanamsaRow());
    ConnectFields();
    FollowText();
    QHBoxLayout* buttons = box.buttons;
    connect(AddButton(*buttons, "btnSave", "Save"), &QPushButton::clicked, this,
            &OptionsForm::btnSave_Click);
    connect(AddButton(*buttons, "cmdRestoreDefault", "Restore default"), &QPushButton::clicked,
            this, &OptionsForm::cmdRestoreDefault_Click);
    connect(AddButton(*buttons, "btnQuit", "Quit"), &QPushButton::clicked, this,
            &OptionsForm::btnQuit_Click);
    connect(txtContent_, &QPlainTextEdit::textChanged, this, [this]() {
        content_.changed = true;
        TakeContent();
        FollowText();
    });
    resize(640, 480);
}

QHBoxLayout* OptionsForm::EngineRow() {
    auto* engineRow = new QHBoxLayout;
    engineRow->addWidget(new QLabel("Positions:"));
    cboPositionsEngine_ = new QComboBox;
    cboPositionsEngine_->setObjectName("cboPositionsEngine");
    for (const char* name : kEngineNames) {
        cboPositionsEngine_->addItem(name);
    }
    engineRow->addWidget(cboPositionsEngine_);
    engineRow->addSpacing(16);
    engineRow->addWidget(new QLabel(QString::fromUtf8(
        kEphemerisFilesLabel.data(), static_cast<int>(kEphemerisFilesLabel.size() - 1))));
    txtEphemerisFiles_ = new QLineEdit;
    txtEphemerisFiles_->setObjectName("txtEphemerisFiles");
    txtEphemerisFiles_->setPlaceholderText("$SE_EPHE_PATH, else its analytical mode");
    engineRow->addWidget(txtEphemerisFiles_, 1);
    return engineRow;
}

QHBoxLayout* OptionsForm::ZodiacAndPointsRow() {
    auto* zodiacRow = new QHBoxLayout;
    zodiacRow->addWidget(new QLabel("Zodiac:"));
    cboZodiac_ = new QComboBox;
    cboZodiac_->setObjectName("cboZodiac");
    for (const char* name : kZodiacNames) {
        cboZodiac_->addItem(name);
    }
    zodiacRow->addWidget(cboZodiac_);
    zodiacRow->addSpacing(16);
    zodiacRow->addWidget(new QLabel("Harmonic:"));
    txtHarmonic_ = new QSpinBox;
    txtHarmonic_->setObjectName("txtHarmonic");
    txtHarmonic_->setRange(1, kMostHarmonic);
    txtHarmonic_->setToolTip("The natal wheel and the harmonic report: 1 is the natal chart");
    zodiacRow->addWidget(txtHarmonic_);
    zodiacRow->addSpacing(16);
    chkExtraPoints_ = new QCheckBox("Extra points (Lilith, Chiron, asteroids)");
    chkExtraPoints_->setObjectName("chkExtraPoints");
    chkExtraPoints_->setToolTip("The natal report, positions and the chart JSON show them too");
    zodiacRow->addWidget(chkExtraPoints_);
    zodiacRow->addStretch(1);
    return zodiacRow;
}

QHBoxLayout* OptionsForm::UserAyanamsaRow() {
    auto* userRow = new QHBoxLayout;
    userRow->addWidget(new QLabel("The user's ayanamsa:"));
    txtUserAyanamsa_ = NumberField("txtUserAyanamsa", "Degrees, 0 up to 360 (option 221)");
    userRow->addWidget(txtUserAyanamsa_);
    userRow->addWidget(new QLabel("degrees at the epoch"));
    txtUserAyanamsaEpoch_ =
        NumberField("txtUserAyanamsaEpoch", "A year, 100 up to 3000; 2000.0 is J2000 (option 222)");
    userRow->addWidget(txtUserAyanamsaEpoch_);
    userRow->addStretch(1);
    return userRow;
}

void OptionsForm::ConnectFields() {
    connect(txtUserAyanamsa_, &QLineEdit::textEdited, this, &OptionsForm::txtUserAyanamsa_Edited);
    connect(txtUserAyanamsaEpoch_, &QLineEdit::textEdited, this,
            &OptionsForm::txtUserAyanamsaEpoch_Edited);
    connect(cboZodiac_, &QComboBox::activated, this, &OptionsForm::cboZodiac_Activated);
    connect(txtHarmonic_, &QSpinBox::valueChanged, this, &OptionsForm::txtHarmonic_Changed);
    connect(chkExtraPoints_, &QCheckBox::clicked, this, &OptionsForm::chkExtraPoints_Clicked);
    connect(cboPositionsEngine_, &QComboBox::activated, this,
            &OptionsForm::cboPositionsEngine_Activated);
    connect(txtEphemerisFiles_, &QLineEdit::textEdited, this,
            &OptionsForm::txtEphemerisFiles_Edited);
}

void OptionsForm::ShowContent() {
    {
        const QSignalBlocker loading(txtContent_);
        txtContent_->setPlainText(
            QString::fromStdString(content_.txtContent).replace("\r\n", "\n"));
    }
    FollowText();
}

void OptionsForm::FollowText() {
    const std::string& text = content_.txtContent;
    const EphemerisChoice choice = EphemerisChoiceInText(text);
    const QSignalBlocker engineQuiet(cboPositionsEngine_);
    cboPositionsEngine_->setCurrentIndex(static_cast<int>(choice.engine));
    // A control that could not write its line would show what is not kept.
    cboPositionsEngine_->setEnabled(EngineLineWritable(text));
    const QSignalBlocker zodiacQuiet(cboZodiac_);
    const Zodiac zodiac = ZodiacChoiceInText(text);
    cboZodiac_->setCurrentIndex(ZodiacRow(zodiac));
    cboZodiac_->setEnabled(ZodiacLinesWritable(text));
    FollowUserAyanamsa(text);
    const bool userChosen = zodiac.sidereal && zodiac.ayanamsa == Ayanamsa::User;
    txtUserAyanamsa_->setEnabled(userChosen && ZodiacLinesWritable(text));
    txtUserAyanamsaEpoch_->setEnabled(txtUserAyanamsa_->isEnabled());
    const QSignalBlocker harmonicQuiet(txtHarmonic_);
    txtHarmonic_->setValue(HarmonicInText(text));
    txtHarmonic_->setEnabled(ZodiacLinesWritable(text));
    const QSignalBlocker extraPointsQuiet(chkExtraPoints_);
    chkExtraPoints_->setChecked(ExtraPointsInText(text));
    chkExtraPoints_->setEnabled(ZodiacLinesWritable(text));
    txtEphemerisFiles_->setEnabled(FolderLineWritable(text));
    // The folder being typed keeps its blanks until they matter.
    if (Trimmed(txtEphemerisFiles_->text()) != choice.filesFolder) {
        const QSignalBlocker folderQuiet(txtEphemerisFiles_);
        txtEphemerisFiles_->setText(QString::fromStdString(choice.filesFolder));
    }
}

void OptionsForm::FollowUserAyanamsa(const std::string& text) {
    const auto follow = [](QLineEdit* field, double held, auto read, auto written) {
        if (const auto typed = read(field->text().toStdString());
            !typed || written(*typed) != written(held)) {
            const QSignalBlocker quiet(field);
            field->setText(QString::fromStdString(written(held)));
        }
    };
    follow(txtUserAyanamsa_, UserAyanamsaDegInText(text), UserAyanamsaDegOfField,
           UserAyanamsaDegText);
    follow(txtUserAyanamsaEpoch_, UserEpochYearInText(text), UserEpochYearOfField,
           UserEpochYearText);
}

void OptionsForm::TakeUserAyanamsa() {
    TakeContent();
    const auto deg = UserAyanamsaDegOfField(txtUserAyanamsa_->text().toStdString());
    const auto year = UserEpochYearOfField(txtUserAyanamsaEpoch_->text().toStdString());
    // A field being typed that does not read yet leaves the text alone;
    // Save says what is wrong with it.
    if (!deg || !year) {
        return;
    }
    if (auto text = TextWithUserAyanamsa(content_.txtContent, *deg, *year)) {
        ShowRewritten(std::move(*text));
    }
}

void OptionsForm::txtUserAyanamsa_Edited(const QString&) { TakeUserAyanamsa(); }

void OptionsForm::txtUserAyanamsaEpoch_Edited(const QString&) { TakeUserAyanamsa(); }

void OptionsForm::ShowRewritten(std::string text) {
    content_.txtContent = std::move(text);
    content_.changed = true;
    ShowContent();
}

void OptionsForm::cboPositionsEngine_Activated(int index) {
    TakeContent();
    const auto engine = static_cast<EphemerisEngine>(index);
    if (auto text = TextWithEngine(content_.txtContent, engine)) {
        ShowRewritten(std::move(*text));
    }
}

void OptionsForm::cboZodiac_Activated(int index) {
    TakeContent();
    // The user's value and epoch stay as the text has them.
    Zodiac zodiac = ZodiacChoiceInText(content_.txtContent);
    zodiac.sidereal = index > 0;
    if (index > 0) {
        zodiac.ayanamsa = static_cast<Ayanamsa>(index - 1);
    }
    if (auto text = TextWithZodiac(content_.txtContent, zodiac)) {
        ShowRewritten(std::move(*text));
    }
}

void OptionsForm::txtHarmonic_Changed(int n) {
    TakeContent();
    if (auto text = TextWithHarmonic(content_.txtContent, n)) {
        ShowRewritten(std::move(*text));
    }
}

void OptionsForm::chkExtraPoints_Clicked(bool shown) {
    TakeContent();
    if (auto text = TextWithExtraPoints(content_.txtContent, shown)) {
        ShowRewritten(std::move(*text));
    }
}

void OptionsForm::txtEphemerisFiles_Edited(const QString& folder) {
    TakeContent();
    if (auto text = TextWithFilesFolder(content_.txtContent, folder.toStdString())) {
        ShowRewritten(std::move(*text));
    }
}

void OptionsForm::TakeContent() {
    content_.txtContent = txtContent_->toPlainText().replace("\n", "\r\n").toStdString();
}

void OptionsForm::btnSave_Click() {
    TakeContent();
    Session& session = workstation_.session();
    if (txtUserAyanamsa_->isEnabled()) {
        if (const Problem problem =
                UserAyanamsaFieldsProblem(txtUserAyanamsa_->text().toStdString(),
                                          txtUserAyanamsaEpoch_->text().toStdString());
            !problem.empty()) {
            workstation_.platform().ShowMessage(problem, "Warning!", MessageIcon::Exclamation);
            return;
        }
    }
    // A failed save has said so; the text stays in the window for another try.
    if (SaveOptionsWindow(session.folder, content_, session.options, workstation_.platform())) {
        session.ephemerisFolder = EphemerisChoiceInText(content_.txtContent).filesFolder;
        workstation_.AnnounceOptionsReloaded();
    }
}

void OptionsForm::cmdRestoreDefault_Click() {
    TakeContent();
    RestoreDefaultOptions(workstation_.session().folder, content_, workstation_.platform());
    ShowContent();
}

void OptionsForm::btnQuit_Click() { close(); }

OptionsForm* OpenOptionsForm(Workstation& workstation, QWidget* parent) {
    auto content = OpenOptionsWindow(workstation.session().folder, workstation.platform());
    if (!content) {
        return nullptr;
    }
    auto* form = new OptionsForm(workstation, std::move(*content), parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}

}  // namespace solvaris
