#include "lazyiconengine.h"

#include <QGuiApplication>
#include <QFile>
#include <QPainter>
#include <QPixmap>

void LazyIconEngine::addFile(const QString& fileName, const QSize& size, QIcon::Mode mode,
                             QIcon::State state)
{
    if (!fileName.isEmpty())
        m_pending.append({fileName, size, mode, state});
}

void LazyIconEngine::addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state)
{
    // After the files, as if they had been added at once.
    decoded();
    m_icon.addPixmap(pixmap, mode, state);
}

const QIcon& LazyIconEngine::decoded()
{
    for (const File& file : qAsConst(m_pending)) {
        QPixmap pixmap;
        // Through the pixmap cache: each file is decoded once for all icons.
        if (!pixmap.load(file.name))
            continue;
        if (!file.size.isValid() || pixmap.size() == file.size)
            m_icon.addPixmap(pixmap, file.mode, file.state);
    }
    m_pending.clear();
    return m_icon;
}

void LazyIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state)
{
    const qreal ratio = QCoreApplication::testAttribute(Qt::AA_UseHighDpiPixmaps)
                            ? painter->device()->devicePixelRatioF()
                            : 1.0;
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
}

QPixmap LazyIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return decoded().pixmap(size, mode, state);
}

QSize LazyIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return decoded().actualSize(size, mode, state);
}

QList<QSize> LazyIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) const
{
    return const_cast<LazyIconEngine*>(this)->decoded().availableSizes(mode, state);
}

QString LazyIconEngine::key() const
{
    return QStringLiteral("LazyIconEngine");
}

QIconEngine* LazyIconEngine::clone() const
{
    return new LazyIconEngine(*this);
}

void LazyIconEngine::virtual_hook(int id, void* data)
{
    // Asked when buttons are measured, long before they are drawn: answered
    // without decoding.
    if (id == IsNullHook) {
        bool null = m_icon.isNull();
        for (const File& file : qAsConst(m_pending))
            null = null && !QFile::exists(file.name);
        *static_cast<bool*>(data) = null;
    } else {
        QIconEngine::virtual_hook(id, data);
    }
}
