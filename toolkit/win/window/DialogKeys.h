#pragma once
// Enter and Escape in a form press its default and its cancel button, unless
// the control with the focus wants those keys itself (a multi-line edit, a
// combo box whose list is open).
namespace fw {

// Installs the key handler once; buttons call it when they are created.
void InstallDialogKeys();

} // namespace fw
