#include "ui/keypressfilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <utility>

namespace {

bool isShortcutCombination(Qt::KeyboardModifiers modifiers)
{
    // Ctrl+Alt is how AltGr types characters on some systems, so it counts as typing.
    return modifiers.testAnyFlags(Qt::ControlModifier | Qt::MetaModifier) && !modifiers.testFlag(Qt::AltModifier);
}

bool isTypedText(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!c.isPrint())
            return false;
    return true;
}

} // namespace

KeyPressFilter::KeyPressFilter(QObject* target, Handler handler) : QObject(target), m_handler(std::move(handler))
{
    target->installEventFilter(this);
}

QString KeyPressFilter::admitted(const QString& typed) const
{
    QString kept;
    for (QChar c : typed) {
        QChar key = c;
        m_handler(key);
        if (!key.isNull())
            kept += c;
    }
    return kept;
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        if (isShortcutCombination(press->modifiers()) || !isTypedText(press->text()))
            return false;
        // A key press types its text whole or not at all.
        return admitted(press->text()) != press->text();
    }

    if (event->type() == QEvent::InputMethod) {
        const auto* input = static_cast<QInputMethodEvent*>(event);
        const QString kept = admitted(input->commitString());
        if (kept == input->commitString())
            return false;
        QInputMethodEvent narrowed(input->preeditString(), input->attributes());
        narrowed.setCommitString(kept, input->replacementStart(), input->replacementLength());
        QCoreApplication::sendEvent(watched, &narrowed);
        return true;
    }
    return false;
}
