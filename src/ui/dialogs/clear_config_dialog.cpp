#include "ui/dialogs/clear_config_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace zel {

TFormClearConfig::TFormClearConfig(std::function<bool()> controllerLost, int startSeconds, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      controllerLost_(std::move(controllerLost))
{
    setObjectName("FormClearConfig");
    setWindowTitle(QStringLiteral("Сброс конфигурации"));
    setModal(true);
    setFixedSize(361, 161);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setText(QStringLiteral(
        "Через указанное время будет произведен сброс параметров конфигурации к заводским, пароль защиты "
        "конфигурации будет сброшен. Не отключайте контроллер от PC, связь не должна прерываться, иначе "
        "процедуру сброса придется повторить сначала."));
    Label1->setGeometry(8, 8, 345, 72);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMinimum(0);
    ProgressBar1->setMaximum(std::max(startSeconds, 0));
    ProgressBar1->setValue(std::max(startSeconds, 0));
    ProgressBar1->setGeometry(8, 88, 345, 17);

    LabelCountDoenSec = new QLabel(this);
    LabelCountDoenSec->setObjectName("LabelCountDoenSec");
    LabelCountDoenSec->setGeometry(8, 116, 160, 17);

    Button1 = new QPushButton(QStringLiteral("Отмена"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(278, 128, 75, 25);
    connect(Button1, &QPushButton::clicked, this, [this] {
        closingByCode_ = true;
        reject();
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFormClearConfig::Timer1Timer);
    Timer1->start();

    showRemaining();
}

void TFormClearConfig::showRemaining()
{
    LabelCountDoenSec->setText(QString::number(ProgressBar1->value()) + QStringLiteral(" Сек."));
}

void TFormClearConfig::Timer1Timer()
{
    if (controllerLost_ && controllerLost_()) {
        Timer1->stop();
        closingByCode_ = true;
        reject();
        return;
    }
    if (ProgressBar1->value() > 0) {
        ProgressBar1->setValue(ProgressBar1->value() - 1);
        showRemaining();
        return;
    }
    Timer1->stop();
    completed_ = true;
    closingByCode_ = true;
    accept();
}

void TFormClearConfig::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormClearConfig::closeEvent(QCloseEvent* event)
{
    // Only the cancel button and the countdown end the dialog.
    if (!closingByCode_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace zel
