#include "ui/pages/inputs/calibration_dialog.h"

#include "ui/pages/inputs/input_values.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zel {

TFormCalibration::TFormCalibration(QWidget* parent) : QDialog(parent)
{
    setObjectName("TFormCalibration");
    setWindowTitle(QStringLiteral("Калибровка входа"));
    setModal(true);
    auto* label = new QLabel(QStringLiteral("Введите желаемое значение "), this);
    label->setObjectName("Label1");
    label->setGeometry(12, 14, 170, 20);
    MaskEditNeedVal = new QLineEdit(QStringLiteral("0"), this);
    MaskEditNeedVal->setObjectName("MaskEditNeedVal");
    MaskEditNeedVal->setMaxLength(10);
    MaskEditNeedVal->setGeometry(186, 12, 90, 22);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("Button1");
    ok->setGeometry(60, 46, 80, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName("Button2");
    cancel->setGeometry(150, 46, 80, 25);
    connect(ok, &QPushButton::clicked, this, &TFormCalibration::accept);
    connect(cancel, &QPushButton::clicked, this, &TFormCalibration::reject);
    // Enter in the edit accepts, like the OK button; Esc rejects (QDialog).
    connect(MaskEditNeedVal, &QLineEdit::returnPressed, this, &TFormCalibration::accept);
    setFixedSize(290, 82);
}

void TFormCalibration::accept()
{
    desired_ = inputs::parseLenientDecimal(MaskEditNeedVal->text());
    QDialog::accept();
}

} // namespace zel
