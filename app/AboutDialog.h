// The About box: the program's icon, name and version, and OK.
#pragma once

#include "framework/CDialog.h"

class CDia_About : public CDialog {
    Q_OBJECT

public:
    explicit CDia_About(QWidget* parent = nullptr);
};
