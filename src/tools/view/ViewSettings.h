// What the viewer remembers between runs: window geometry, recent files and the View choices.
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QStringList>
#include <optional>

namespace vantrel::view {

// The View menu's choices. An unset choice leaves the graph as the file's model draws it.
struct ViewChoices {
    std::optional<int> gridStyle; // GraphGridStyleConstants, both axes
    std::optional<int> valueFormat; // GraphAxisValueFormatConstants, both axes
    std::optional<int> precision; // both axes
    std::optional<uint> frameColor; // OLE_COLOR
    std::optional<uint> plotColor;
    int zoomMode = 0; // 0 box, 1 horizontal band, 2 vertical band
    bool wheelZoom = true;
    bool panning = true;
};

class ViewSettings {
public:
    static constexpr int maxRecentFiles = 8;

    // The settings live as long as this object.
    explicit ViewSettings(QSettings& settings);

    QByteArray geometry() const;
    void setGeometry(const QByteArray& geometry);
    QByteArray windowState() const;
    void setWindowState(const QByteArray& state);

    QStringList recentFiles() const;
    // Moves the file to the front, dropping the oldest beyond maxRecentFiles.
    void addRecentFile(const QString& path);

    ViewChoices choices() const;
    void setChoices(const ViewChoices& choices);

private:
    QSettings& settings_;
};

} // namespace vantrel::view
