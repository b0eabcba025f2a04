#pragma once

#include <QString>

#include <functional>

/// The one place where the program shows a text to the user in a modal box.
///
/// The program shows modal boxes; tests install a presenter that records the texts instead,
/// so that nothing ever waits for a click.
namespace MessageDisplay {

enum class Kind { Error, Information };

using Presenter = std::function<void(Kind kind, const QString& text)>;

/// Shows an error's text in a modal error box with an OK button.
void showError(const QString& text);
/// Shows a text in a modal message box with an OK button.
void showMessage(const QString& text);

/// Replaces the presenter; an empty one restores the modal boxes. Returns the one replaced.
Presenter setPresenter(Presenter presenter);

} // namespace MessageDisplay
