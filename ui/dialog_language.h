#pragma once

// The standard dialogs and message-box buttons that Qt draws (colour, font and file dialogs,
// Yes/No/Cancel, the "replace it?" question) speak the program's language, Portuguese, from
// Qt's own translations (Debian package qt6-translations-l10n). Without them the dialogs stay
// in English: false, and a line on stderr says where they were looked for.
bool usePortugueseDialogs();
