#pragma once
// "Калибровка входа": asks for the value the present reading of an analogue input
// should show.

#include <QDialog>

class QLineEdit;

namespace zel {

class TFormCalibration : public QDialog {
    Q_OBJECT
public:
    explicit TFormCalibration(QWidget* parent = nullptr);
    // The desired value: 0 until OK (button or Enter in the edit) accepts the text.
    double desiredValue() const { return desired_; }
    QLineEdit* MaskEditNeedVal = nullptr;

public slots:
    void accept() override;

private:
    double desired_ = 0.0;
};

} // namespace zel
