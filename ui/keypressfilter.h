#pragma once

#include <QObject>

#include <functional>

class QChar;

/// \brief Hands every character typed into a widget to a handler that may discard it.
///
/// The handler gets the character by reference and sets it to QChar() to discard it. Only typed
/// characters are filtered, whether they come as key presses or from an input method: editing
/// and navigation keys (Backspace, Delete, arrows, Tab), shortcut combinations (Ctrl+V) and text
/// that arrives otherwise (pasted) pass untouched.
class KeyPressFilter : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(QChar& key)>;

    /// Installs itself on \p target, which owns it.
    KeyPressFilter(QObject* target, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QString admitted(const QString& typed) const;

    Handler m_handler;
};
