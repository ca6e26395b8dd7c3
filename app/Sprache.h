// Qt's own texts in German: the context menus of scroll bars and edit fields
// and the buttons of its standard dialogs, like every other text of the program.
#pragma once

// Installs Qt's German translation (qtbase_de from the Qt installation's
// translation folder) on the running application. True when it is in place;
// a second call keeps the first translation.
bool LadeDeutscheQtTexte();
