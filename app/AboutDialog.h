// The About box: the program's icon, name and version, and OK.
#pragma once

#include <QDialog>

class CDia_About : public QDialog {
    Q_OBJECT

public:
    explicit CDia_About(QWidget* parent = nullptr);
};
