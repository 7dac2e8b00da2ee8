#pragma once

class QWidget;

// Puts a window above all others or takes it off, and shows it. Serves every window that needs
// it (the compact toolbar itself and the notices); it never loads or shows the toolbar.
void SetAlwaysOnTopMode(QWidget* target, bool onTop);
