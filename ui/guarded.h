#pragma once

#include "ui/messagedisplay.h"

#include <QString>

#include <concepts>
#include <exception>

/// \brief Runs one event handler and shows any error it raises, then lets the program go on.
///
/// Every slot goes through this: an exception must never cross Qt code, whose libraries are
/// built without unwind tables here (a socket that threw once in its readyRead handler would
/// never signal readyRead again).
template <std::invocable Handler>
void guarded(Handler&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        MessageDisplay::showError(QString::fromUtf8(error.what()));
    } catch (...) {
        MessageDisplay::showError(QStringLiteral("Unexpected error"));
    }
}
