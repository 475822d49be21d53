// Options, "Edit: OPTIONS.OPT": the options file as plain text. Save writes
// it back crash-safely and reloads the option table; Restore default copies
// the master file over it; Quit closes without asking. Above the text, the
// engine of the positions and the folder of Swiss Ephemeris's files: they
// write their lines (217 and 218) into the text as they change, and follow
// the text as it is typed; below them the zodiac, which writes options 219
// to 222 the same way, and beside it the harmonic of the natal wheel and
// report (option 224) and the check box of the extra points (option 225);
// under them the user's ayanamsa and its epoch (221 and 222), typed while
// the zodiac is the user's sidereal one and checked before Save.
#pragma once

#include <QHBoxLayout>
#include <QWidget>

#include "app/options_window.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace solvaris {

class Workstation;

class OptionsForm : public QWidget {
    Q_OBJECT
public:
    OptionsForm(Workstation& workstation, OptionsWindow content, QWidget* parent = nullptr);

    void btnSave_Click();
    void cmdRestoreDefault_Click();
    void btnQuit_Click();

    void cboPositionsEngine_Activated(int index);
    void txtEphemerisFiles_Edited(const QString& folder);
    void cboZodiac_Activated(int index);
    void txtHarmonic_Changed(int n);
    void chkExtraPoints_Clicked(bool shown);
    void txtUserAyanamsa_Edited(const QString& typed);
    void txtUserAyanamsaEpoch_Edited(const QString& typed);

private:
    // The rows of fields above the text: the engine, the zodiac with the
    // harmonic and the extra points, the user's ayanamsa.
    QHBoxLayout* EngineRow();
    QHBoxLayout* ZodiacAndPointsRow();
    QHBoxLayout* UserAyanamsaRow();
    void ConnectFields();
    void ShowContent();
    void TakeContent();
    // The controls as the text stands; each disabled while the text ends
    // before the line it would write.
    void FollowText();
    // The text rewritten by a control, shown, and marked changed.
    void ShowRewritten(std::string text);
    // The user's ayanamsa fields as the text holds them; a field whose
    // number writes the text's value keeps what was typed.
    void FollowUserAyanamsa(const std::string& text);
    // The typed user's ayanamsa into the text when both fields read.
    void TakeUserAyanamsa();

    Workstation& workstation_;
    OptionsWindow content_;
    QPlainTextEdit* txtContent_ = nullptr;
    QComboBox* cboPositionsEngine_ = nullptr;
    QLineEdit* txtEphemerisFiles_ = nullptr;
    QComboBox* cboZodiac_ = nullptr;
    QSpinBox* txtHarmonic_ = nullptr;
    QCheckBox* chkExtraPoints_ = nullptr;
    QLineEdit* txtUserAyanamsa_ = nullptr;
    QLineEdit* txtUserAyanamsaEpoch_ = nullptr;
};

// The main menu's Options: the window over OPTIONS.OPT, or "File Not Found"
// and nothing when the file cannot be read. The window deletes itself when
// closed.
OptionsForm* OpenOptionsForm(Workstation& workstation, QWidget* parent = nullptr);

}  // namespace solvaris
