#pragma once

/// \brief Creates the main window, the login window and the Add Trade window in that order,
/// then shows the login window without making it modal, and the main window.
void startUp();

/// \brief Destroys the three windows and forgets them.
void shutDown();
