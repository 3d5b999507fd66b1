// The About box: the program's icon, name and version, how decoding is
// confined, and OK.
#pragma once

#include "framework/Dialog.h"

namespace kolvira {

class AboutDialog : public Dialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace kolvira
