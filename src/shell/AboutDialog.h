#pragma once

#include <QDialog>

// frmAbout: the product name, what it does and its version.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);
};
