#pragma once

#include <QImage>
#include <QLabel>
#include <QUrl>

class HttpGet;

// A small view that loads an address and shows the picture the server returns: all that a
// visit counter needs of a web view. Besides the usual enabled state it keeps a flag of its
// own for whether it is in use, true until someone clears it.
class CounterView : public QLabel {
    Q_OBJECT
public:
    // What a counter picture may be: anything larger is refused as it arrives.
    static constexpr qint64 kMaxPictureBytes = 256 * 1024;
    static constexpr int kMaxPictureSide = 1024;
    // A load that takes longer in all is dropped; the next refresh comes after 5 s.
    static constexpr int kLoadMilliseconds = 4000;

    explicit CounterView(QWidget *parent = nullptr);

    // Takes the address and loads it; a load still running is dropped, as a browser does.
    // False when the address cannot be loaded at all (not an http or https address).
    bool navigate(const QUrl &address);
    // The two halves of a navigation: taking the address (false when it cannot be loaded at
    // all) and loading it (false before an address was taken).
    bool setAddress(const QUrl &address);
    bool load();
    QUrl address() const { return m_address; }

    bool browserVisible() const { return m_browserVisible; }
    // Clearing the flag also drops a running load and clears the picture shown.
    void setBrowserVisible(bool visible);

    // The most bytes of an answer held in memory at once since the view was made.
    qint64 peakBytesHeld() const;

    // Decodes a counter picture (PNG, GIF or JPEG only), scaled down to fit `room`; a null
    // image for anything else, or for a picture wider or higher than kMaxPictureSide, which
    // is refused from its header before a pixel is decoded.
    static QImage decodePicture(const QByteArray &data, const QSize &room);

signals:
    void browserVisibleChanged(bool visible);
    // A load has ended; `shown` tells whether it brought a picture.
    void loadFinished(bool shown);

private:
    void onFinished(bool ok);

    HttpGet *m_load;
    QUrl m_address;
    bool m_browserVisible = true;
};
