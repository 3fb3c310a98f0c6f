#pragma once
#include <QDialog>

namespace zel {
struct InterfaceTexts;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(const InterfaceTexts& texts, QWidget* parent = nullptr);
};
} // namespace zel
