#pragma once

#include "ui/messagedisplay.h"

#include <QString>

#include <concepts>
#include <exception>

/// \brief Runs one event handler and shows any error it raises, then lets the program go on.
///
/// Every slot goes through this: Qt does not let exceptions pass through its event delivery, so
/// an error that left a slot would end the program instead of being shown.
template <std::invocable Handler> void guarded(Handler&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        MessageDisplay::showError(QString::fromUtf8(error.what()));
    } catch (...) {
        MessageDisplay::showError(QStringLiteral("Unexpected error"));
    }
}
