#pragma once
// The COM port dialog: pick the port the configurator talks to the controller on.

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <functional>

namespace zel {

class TFormCOMPortConfig : public QDialog {
    Q_OBJECT
public:
    // The entry for the built-in simulated controller, listed after the real ports.
    static const QString& simulatorEntry();
    // The ports the platform lists, then the simulator entry.
    static QStringList availablePortNames();

    explicit TFormCOMPortConfig(QWidget* parent = nullptr);

    // The list, with current selected (added to the list when the platform does not
    // list it, so the dialog always shows the port in use).
    void setPorts(const QStringList& ports, const QString& current);
    void setErrorText(const QString& text) { errorText_ = text; }
    const QString& errorText() const { return errorText_; }

    // OK: the window takes the name and tries the port; true when it could be opened.
    std::function<bool(const QString& name)> acceptPort;
    // Shows a warning; a message box over the dialog unless replaced.
    std::function<void(const QString& caption, const QString& text)> warn;

    QComboBox* ComComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

public slots:
    void Button1Click();

private:
    QString errorText_;
};

} // namespace zel
