#include "ui/pages/outputs/profile_panel.h"

#include "image/field_catalogue.h"
#include "ui/pages/outputs/panel_util.h"

#include <QLocale>
#include <QSignalBlocker>

#include <cmath>

namespace zel {

using namespace outputs;

namespace {

constexpr int kNameWidth = 17;
constexpr int kMaxRaw = 4095;
constexpr int kProfileCount = 8;

const FieldDef& inputField(int input, const char* what)
{
    const QByteArray name = "ProfileInput" + QByteArray::number(input) + what;
    return field(name.constData());
}

// ZAZ-02 sensor temperature of a raw reading (low 12 bits).
double zazTemperature(int raw)
{
    const long long r = raw & 0x0FFF;
    const long long hundredths = (1600 * r - 984100) / 196; // truncates toward zero
    return static_cast<double>(hundredths) / 100.0;
}

} // namespace

QString generalNumber(double value, int digits)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', digits);
}

ProfilesMainPanel::ProfilesMainPanel(QWidget* parent)
    : SectionPanel(QStringLiteral("PanelProfileMain"), QStringLiteral("Label66"), parent)
{
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(8, 36, 692, 120);
    Memo1->setPlainText(
        QStringLiteral("Профиль - это совокупность параметров объединенных в группу, которые могут быть применены "
                       "одновременно по команде SMS или \n")
        + QStringLiteral("в указанное время, согласно настройке планировщика задач. Профиль можно использовать для "
                         "дистанционного изменения границ \n")
        + QStringLiteral("температуры в контуре регулирования, для этого профиль активизируется по имени. При "
                         "активизации профиля новые параметры \n")
        + QStringLiteral("заменяют ранее установленные, после чего устройство начинает работать с новыми "
                         "значениями. Дополнительно, профиль позволяет \n")
        + QStringLiteral("включить несколько реле или выходов одновременно, если потребуется."));
}

ProfilePanel::ProfilePanel(QWidget* parent)
    : SectionPanel(QStringLiteral("PanelProfile"), QStringLiteral("Label221"), parent)
{
    makeLabel(this, QStringLiteral("Название профиля"), 8, 36, 110, 16, QStringLiteral("LabelProfileName"));
    const FieldDef& name = field("ComboBoxProfileName");
    ComboBoxProfileName = makeEditableList(this, QStringLiteral("ComboBoxProfileName"), name.items, name.width - 1,
                                           124, 33, 200);

    ProfInputsGroupBox = makeGroup(this, QStringLiteral("ProfInputsGroupBox"),
                                   QStringLiteral(" Границы тревожной зоны "), 8, 62, 524, 400);
    // The per-input controls are created once and serve all eight profiles.
    for (int i = 0; i < kInputRows; ++i) {
        const int T = (i / 2) * 56;
        const int L = i % 2 == 0 ? 8 : 264;
        const int n = i + 1;
        InputRow& row = rows[i];
        row.check = makeCheck(ProfInputsGroupBox, QStringLiteral("CheckBoxProfIn%1").arg(n), QString::number(n), L,
                              T + 36, 33);
        makeLabel(ProfInputsGroupBox, QStringLiteral("В"), L + 36, T + 25, 8, 16, QStringLiteral("LabelProfB%1").arg(n));
        auto bar = [&](const QString& objectName, int top) {
            auto* s = new QSlider(Qt::Horizontal, ProfInputsGroupBox);
            s->setObjectName(objectName);
            s->setRange(0, kMaxRaw);
            s->setTickPosition(QSlider::NoTicks);
            s->setGeometry(L + 44, top, 153, 17);
            return s;
        };
        row.upper = bar(QStringLiteral("TrackBarProfUp%1").arg(n), T + 24);
        row.upperValue = makeLabel(ProfInputsGroupBox, QStringLiteral(" "), L + 200, T + 25, 54, 16,
                                   QStringLiteral("LabelProfUp%1").arg(n));
        makeLabel(ProfInputsGroupBox, QStringLiteral("Н"), L + 36, T + 49, 8, 16, QStringLiteral("LabelProfH%1").arg(n));
        row.lower = bar(QStringLiteral("TrackBarProfLo%1").arg(n), T + 45);
        row.lowerValue = makeLabel(ProfInputsGroupBox, QStringLiteral(" "), L + 200, T + 49, 54, 16,
                                   QStringLiteral("LabelProfLo%1").arg(n));
        connect(row.upper, &QSlider::valueChanged, this, [this, i] { upperMoved(i); });
        connect(row.lower, &QSlider::valueChanged, this, [this, i] { lowerMoved(i); });
    }
    Bevel26 = new QFrame(ProfInputsGroupBox);
    Bevel26->setObjectName(QStringLiteral("Bevel26"));
    Bevel26->setFrameShape(QFrame::HLine);
    Bevel26->setFrameShadow(QFrame::Sunken);
    Bevel26->setGeometry(8, rows[kInputRows - 1].lower->geometry().bottom() + 6, 508, 2);
    ProfInputsGroupBox->resize(ProfInputsGroupBox->width(), Bevel26->geometry().bottom() + 1);

    reactionsGroup = makeGroup(this, QStringLiteral("GroupBoxProfileOuts"),
                               QStringLiteral(" Воздействие на реле / выходы "), 536, 62, 166, 236);
    const QStringList outNames{QStringLiteral("Реле 1"),  QStringLiteral("Реле 2"),  QStringLiteral("Выход 1"),
                               QStringLiteral("Выход 2"), QStringLiteral("Выход 3"), QStringLiteral("Выход 4"),
                               QStringLiteral("Выход 5")};
    for (int k = 0; k < kOutputs; ++k) {
        const QString fieldName = QStringLiteral("ComboBoxProfileToR%1").arg(k + 1);
        makeLabel(reactionsGroup, outNames.at(k), 6, 24 + 30 * k, 50, 16, QStringLiteral("LabelProfileToR%1").arg(k + 1));
        ComboBoxProfileToR[k] = makeList(reactionsGroup, fieldName, field(fieldName.toLatin1().constData()).items, 58,
                                         21 + 30 * k, 102);
    }
}

void ProfilePanel::upperMoved(int i)
{
    InputRow& row = rows[i];
    if (row.upper->value() < row.lower->value())
        row.lower->setValue(row.upper->value());
    refreshRowLabels(i);
}

void ProfilePanel::lowerMoved(int i)
{
    InputRow& row = rows[i];
    if (row.upper->value() < row.lower->value())
        row.upper->setValue(row.lower->value());
    refreshRowLabels(i);
}

void ProfilePanel::refreshRowLabels(int i)
{
    const InputScale& s = scales_[i];
    const int U = rows[i].upper->value();
    const int L = rows[i].lower->value();
    QString up, lo;
    switch (s.type) {
    case 0:
    case 1:
        up = generalNumber(U * 10.0 / kMaxRaw, 3) + QStringLiteral(" В");
        lo = generalNumber(L * 10.0 / kMaxRaw, 3) + QStringLiteral(" В");
        break;
    case 2:
        up = generalNumber(s.min + U * (s.max - s.min) / kMaxRaw, 4);
        lo = generalNumber(s.min + L * (s.max - s.min) / kMaxRaw, 4);
        break;
    case 3:
        up = generalNumber(zazTemperature(U), 3) + QStringLiteral("° C");
        lo = generalNumber(zazTemperature(L), 3) + QStringLiteral("° C");
        break;
    case 4:
        up = generalNumber(s.min + U * (s.max - s.min) / kMaxRaw, 4) + QStringLiteral("° C");
        lo = generalNumber(s.min + L * (s.max - s.min) / kMaxRaw, 4) + QStringLiteral("° C");
        break;
    default:
        return; // types without a scale keep what they show
    }
    rows[i].upperValue->setText(up);
    rows[i].lowerValue->setText(lo);
}

void ProfilePanel::unpack(const DeviceImage& image, int page)
{
    const int p = page - kFirstPage + 1;
    if (p < 1 || p > kProfileCount)
        return;
    // Type and range of each input as the image holds them now.
    const FieldDef& type = field("ComboBoxSensType");
    const FieldDef& minVal = field("MaskEditMinVal");
    const FieldDef& maxVal = field("MaskEditMaxVal");
    for (int i = 0; i < kInputRows; ++i) {
        scales_[i].type = static_cast<int>(image.bits(type.recordOffset(i + 1), type.bitLow, type.bitCount));
        scales_[i].min = image.float32(minVal.recordOffset(i + 1));
        scales_[i].max = image.float32(maxVal.recordOffset(i + 1));
    }

    const FieldDef& name = field("ComboBoxProfileName");
    ComboBoxProfileName->setEditText(shownText(image, name.recordOffset(p), kNameWidth));
    for (int k = 0; k < kOutputs; ++k) {
        const FieldDef& f = field(QStringLiteral("ComboBoxProfileToR%1").arg(k + 1).toLatin1().constData());
        setListIndex(ComboBoxProfileToR[k], image.byte(f.recordOffset(p)));
    }
    for (int i = 0; i < kInputRows; ++i) {
        const int n = i + 1;
        const FieldDef& en = inputField(n, "Enabled");
        setChecked(rows[i].check, image.bit(en.recordOffset(p), en.bitLow));
        // Each bar change runs the border rule, so a lower border stored above the
        // upper one ends with both bars at the lower value.
        rows[i].upper->setValue(image.u16(inputField(n, "Upper").recordOffset(p)));
        rows[i].lower->setValue(image.u16(inputField(n, "Lower").recordOffset(p)));
    }
    for (int i = 0; i < kInputRows; ++i)
        refreshRowLabels(i);
}

void ProfilePanel::pack(DeviceImage& image, int page)
{
    const int p = page - kFirstPage + 1;
    if (p < 1 || p > kProfileCount)
        return;
    image.setText(field("ComboBoxProfileName").recordOffset(p), kNameWidth, ComboBoxProfileName->currentText());
    for (int k = 0; k < kOutputs; ++k) {
        const FieldDef& f = field(QStringLiteral("ComboBoxProfileToR%1").arg(k + 1).toLatin1().constData());
        image.setByte(f.recordOffset(p), static_cast<std::uint8_t>(listValue(ComboBoxProfileToR[k], 8)));
    }
    for (int i = 0; i < kInputRows; ++i) {
        const int n = i + 1;
        const FieldDef& en = inputField(n, "Enabled");
        image.setBit(en.recordOffset(p), en.bitLow, rows[i].check->isChecked());
        image.setU16(inputField(n, "Lower").recordOffset(p), static_cast<std::uint16_t>(rows[i].lower->value()));
        image.setU16(inputField(n, "Upper").recordOffset(p), static_cast<std::uint16_t>(rows[i].upper->value()));
    }
}

} // namespace zel
