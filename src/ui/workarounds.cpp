#include "ui/workarounds.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace msweight {

namespace {

// A standard icon of a style, loaded from the style when it is first drawn
// or measured.
class DeferredIcon : public QIconEngine
{
public:
    DeferredIcon(const QStyle *style, QStyle::StandardPixmap which)
        : m_style(style)
        , m_which(which)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredIcon(m_style, m_which); }
    QString key() const override { return QStringLiteral("DeferredIcon"); }

private:
    const QIcon &icon()
    {
        if (!m_loaded) {
            const QStyle *style = m_style ? m_style.data() : QApplication::style();
            m_icon = style->standardIcon(m_which);
            m_loaded = true;
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_loaded = false;
};

// Measured on Qt 6.4.2: a QMenuBar makes, in its constructor, the button that
// shows the menus that do not fit, and Fusion reads that button's icon from
// its images at once: 3.8 M instructions, 5% of start-up, for a button that
// the calculator's four menus never show. It can go when the QMenuBar
// constructor no longer asks for that icon (callgrind on bench_startup_form:
// QStyle::standardIcon under QMenuBar::QMenuBar).
class FormStyle : public QProxyStyle
{
public:
    FormStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new DeferredIcon(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

QStyle *ApplicationStyle()
{
    return new FormStyle;
}

} // namespace msweight
