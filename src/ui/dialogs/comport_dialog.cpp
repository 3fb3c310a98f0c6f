#include "ui/dialogs/comport_dialog.h"

#include <QMessageBox>
#include <QSerialPortInfo>

namespace zel {

const QString& TFormCOMPortConfig::simulatorEntry()
{
    static const QString entry = QStringLiteral("Симулятор");
    return entry;
}

QStringList TFormCOMPortConfig::availablePortNames()
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.portName();
    names.sort();
    names << simulatorEntry();
    return names;
}

TFormCOMPortConfig::TFormCOMPortConfig(QWidget* parent) : QDialog(parent)
{
    setObjectName("FormCOMPortConfig");
    setModal(true);
    setFixedSize(197, 130);

    ComComboBox1 = new QComboBox(this);
    ComComboBox1->setObjectName("ComComboBox1");
    ComComboBox1->setEditable(false);
    ComComboBox1->setGeometry(16, 24, 165, 21);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(16, 80, 75, 25);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(106, 80, 75, 25);

    connect(Button1, &QPushButton::clicked, this, &TFormCOMPortConfig::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormCOMPortConfig::setPorts(const QStringList& ports, const QString& current)
{
    ComComboBox1->clear();
    ComComboBox1->addItems(ports);
    int at = ComComboBox1->findText(current);
    if (at < 0 && !current.isEmpty()) {
        ComComboBox1->insertItem(0, current);
        at = 0;
    }
    ComComboBox1->setCurrentIndex(at);
}

void TFormCOMPortConfig::Button1Click()
{
    const bool open = acceptPort ? acceptPort(ComComboBox1->currentText()) : false;
    if (open) {
        accept();
        return;
    }
    if (warn) {
        warn(windowTitle(), errorText_);
    } else {
        QMessageBox box(QMessageBox::Warning, windowTitle(), errorText_, QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText); // the text may come from the language file
        box.exec();
    }
}

} // namespace zel
