// What an entry-window test stands on: the shipped session, a scripted
// platform at a fixed moment, the workstation and a recording data window;
// and typing as a user does (the field's text selected, then keys).
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "gui/shell/workstation.hpp"
#include "gui/support/golden_session.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris::testing {

struct EntryDesk {
    EntryDesk() {
        OpenShippedSession(session);
        platform.SetNow({2026, 12, 5, 15, 7, 42});
        workstation.SetDataWindowFactory([this]() -> DataWindowView& { return dataWindow; });
    }
    Session session;
    ScriptedPlatform platform;
    Workstation workstation{session, platform};
    RecordingDataWindow dataWindow;
};

template <typename T>
T& Control(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(name);
    if (control == nullptr) {
        ADD_FAILURE() << "no control " << name << " in " << window.objectName().toStdString();
        throw std::runtime_error(name);
    }
    return *control;
}

// The field's content replaced by what the keys type.
inline void TypeInto(QWidget& window, const char* name, const std::string& keys) {
    auto& field = Control<QLineEdit>(window, name);
    field.selectAll();
    QTest::keyClicks(&field, QString::fromStdString(keys));
}

inline void Click(QWidget& window, const char* name) {
    // Near the left edge: a stretched option button only takes clicks on
    // its mark and caption.
    auto& control = Control<QWidget>(window, name);
    QTest::mouseClick(&control, Qt::LeftButton, {},
                      QPoint(std::min(8, control.width() / 2), control.height() / 2));
}

inline std::string Shown(QWidget& window, const char* name) {
    return Control<QLineEdit>(window, name).text().toStdString();
}

// The caption beside a text field: the label whose buddy it is.
inline std::string CaptionOf(QWidget& window, const char* name) {
    const QWidget* field = &Control<QLineEdit>(window, name);
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label->text().toStdString();
        }
    }
    return "(no caption)";
}

// The names of the controls that Tab visits, from `first` on.
inline std::vector<std::string> FocusOrder(QWidget& window, const char* first, std::size_t count) {
    std::vector<std::string> names;
    QWidget* widget = &Control<QWidget>(window, first);
    while (names.size() < count) {
        if (widget->focusPolicy() != Qt::NoFocus) {
            names.push_back(widget->objectName().toStdString());
        }
        widget = widget->nextInFocusChain();
    }
    return names;
}

}  // namespace solvaris::testing
