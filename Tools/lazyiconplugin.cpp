// The icon-engine plugin for "png": Qt looks for it in "iconengines/" beside
// the program (or in QT_PLUGIN_PATH).
#include "Tools/lazyiconengine.h"

#include <QIconEnginePlugin>

class LazyIconPlugin : public QIconEnginePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QIconEngineFactoryInterface_iid FILE "lazyiconplugin.json")
public:
    QIconEngine* create(const QString&) override { return new LazyIconEngine; }
};

#include "lazyiconplugin.moc"
