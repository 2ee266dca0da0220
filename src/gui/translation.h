#pragma once

class QCoreApplication;

namespace tamo::gui {

// Qt's own texts (file dialog, standard buttons, line-edit menus) in Hungarian, whatever the
// locale, since every text of the program is Hungarian. False when the translation is not
// installed; the program then goes on with Qt's English.
bool install_hungarian_qt_texts(QCoreApplication& app);

}  // namespace tamo::gui
