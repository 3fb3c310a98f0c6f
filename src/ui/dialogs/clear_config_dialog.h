#pragma once
// The factory-reset countdown: the controller restores its factory configuration
// without a password only after it has stayed connected and answering this long.

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace zel {

class TFormClearConfig : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCountdownSeconds = 1800;

    // controllerLost: true when a live monitor runs and its last cycle got no answer.
    explicit TFormClearConfig(std::function<bool()> controllerLost, int startSeconds = kCountdownSeconds,
                              QWidget* parent = nullptr);

    // True only when the countdown ran down to zero.
    bool completed() const { return completed_; }

    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* LabelCountDoenSec = nullptr;
    QPushButton* Button1 = nullptr;
    QTimer* Timer1 = nullptr;

public slots:
    void Timer1Timer();

protected:
    // The frame offers no way out; Escape must not either.
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showRemaining();

    std::function<bool()> controllerLost_;
    bool completed_ = false;
    bool closingByCode_ = false;
};

} // namespace zel
