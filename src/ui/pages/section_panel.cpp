#include "ui/pages/section_panel.h"

#include <QFont>

namespace zel {

SectionPanel::SectionPanel(const QString& panelName, const QString& titleLabelName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(panelName);
    if (!titleLabelName.isEmpty()) {
        title_ = new QLabel(this);
        title_->setObjectName(titleLabelName);
        title_->setTextFormat(Qt::PlainText);
        QFont f = title_->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 2);
        title_->setFont(f);
        title_->move(8, 4);
        title_->resize(690, 24);
    }
}

void SectionPanel::setTitle(const QString& caption)
{
    if (title_)
        title_->setText(caption);
}

} // namespace zel
