#include "ui/about_box.h"

#include "ui/icons.h"
#include "ui/interface_texts.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>

namespace zel {

namespace {
// Opens the label's URL on a click.
class AboutClickFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease) {
            const QUrl url = o->property("url").toUrl();
            if (url.isValid())
                QDesktopServices::openUrl(url);
            return true;
        }
        return false;
    }
};

// A blue underlined line that opens a URL when clicked.
QLabel* linkLabel(QWidget* parent, QObject* clickFilter, const char* name, const QString& text, const QUrl& url)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    l->setPalette(pal);
    l->setCursor(Qt::PointingHandCursor);
    l->setProperty("url", url);
    l->installEventFilter(clickFilter);
    return l;
}
} // namespace

AboutBox::AboutBox(const InterfaceTexts& texts, QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutBox");
    setWindowTitle(texts.AboutTitle);
    setFixedSize(337, 289);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* picture = new QLabel(this);
    picture->setObjectName("ProgramIcon");
    picture->setPixmap(programPicture());
    picture->setGeometry(43, 8, 250, 50);

    auto* product = new QLabel(texts::kMainCaption, this);
    product->setObjectName("ProductName");
    product->setTextFormat(Qt::PlainText);
    product->setAlignment(Qt::AlignHCenter);
    product->setGeometry(8, 64, 321, 16);

    auto* version = new QLabel(texts::kProgramVersion + QLatin1Char(' ') + texts.AboutVersionsText, this);
    version->setObjectName("Version");
    version->setTextFormat(Qt::PlainText);
    version->setAlignment(Qt::AlignHCenter);
    version->setGeometry(8, 84, 321, 16);

    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName("Memo1");
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setPlainText(SupportedVersions().join('\n'));
    memo->setGeometry(8, 104, 321, 100);

    auto* filter = new AboutClickFilter(this);
    auto* web = linkLabel(this, filter, "LabelWeb", texts::kMakerWebSite, QUrl(texts::kMakerWebSite));
    web->setGeometry(8, 210, 321, 16);
    web->setAlignment(Qt::AlignHCenter);

    QUrl mail(QStringLiteral("mailto:") + texts::kSupportEmail);
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("subject"), QStringLiteral("ZEL470"));
    mail.setQuery(q);
    auto* email = linkLabel(this, filter, "LabelEmail", QStringLiteral("E-mail: ") + texts::kSupportEmail, mail);
    email->setGeometry(8, 230, 321, 16);
    email->setAlignment(Qt::AlignHCenter);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    ok->setGeometry(131, 254, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace zel
