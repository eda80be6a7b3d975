// The viewer's QSettings keys.
#include "ViewSettings.h"

#include <QFileInfo>

namespace vantrel::view {

namespace {

template <class T> std::optional<T> Optional(const QSettings& settings, const char* key)
{
    const QVariant value = settings.value(QLatin1String(key));
    if (!value.isValid())
        return std::nullopt;
    return value.value<T>();
}

template <class T> void Store(QSettings& settings, const char* key, const std::optional<T>& value)
{
    if (value)
        settings.setValue(QLatin1String(key), *value);
    else
        settings.remove(QLatin1String(key));
}

} // namespace

ViewSettings::ViewSettings(QSettings& settings)
    : settings_(settings)
{
}

QByteArray ViewSettings::geometry() const
{
    return settings_.value(QStringLiteral("window/geometry")).toByteArray();
}

void ViewSettings::setGeometry(const QByteArray& geometry)
{
    settings_.setValue(QStringLiteral("window/geometry"), geometry);
}

QByteArray ViewSettings::windowState() const
{
    return settings_.value(QStringLiteral("window/state")).toByteArray();
}

void ViewSettings::setWindowState(const QByteArray& state)
{
    settings_.setValue(QStringLiteral("window/state"), state);
}

QStringList ViewSettings::recentFiles() const
{
    return settings_.value(QStringLiteral("recentFiles")).toStringList();
}

void ViewSettings::addRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > maxRecentFiles)
        files.removeLast();
    settings_.setValue(QStringLiteral("recentFiles"), files);
}

ViewChoices ViewSettings::choices() const
{
    ViewChoices c;
    c.gridStyle = Optional<int>(settings_, "view/gridStyle");
    c.valueFormat = Optional<int>(settings_, "view/valueFormat");
    c.precision = Optional<int>(settings_, "view/precision");
    c.frameColor = Optional<uint>(settings_, "view/frameColor");
    c.plotColor = Optional<uint>(settings_, "view/plotColor");
    c.zoomMode = settings_.value(QStringLiteral("view/zoomMode"), 0).toInt();
    c.wheelZoom = settings_.value(QStringLiteral("view/wheelZoom"), true).toBool();
    c.panning = settings_.value(QStringLiteral("view/panning"), true).toBool();
    return c;
}

void ViewSettings::setChoices(const ViewChoices& c)
{
    Store(settings_, "view/gridStyle", c.gridStyle);
    Store(settings_, "view/valueFormat", c.valueFormat);
    Store(settings_, "view/precision", c.precision);
    Store(settings_, "view/frameColor", c.frameColor);
    Store(settings_, "view/plotColor", c.plotColor);
    settings_.setValue(QStringLiteral("view/zoomMode"), c.zoomMode);
    settings_.setValue(QStringLiteral("view/wheelZoom"), c.wheelZoom);
    settings_.setValue(QStringLiteral("view/panning"), c.panning);
}

} // namespace vantrel::view
