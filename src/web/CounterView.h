#pragma once

#include <QLabel>
#include <QUrl>

class HttpClient;

// A small view that loads an address and shows the picture the server returns: all that a
// visit counter needs of a web view. Besides the usual enabled state it keeps the browser's
// own `Visible` flag, true until someone clears it.
class CounterView : public QLabel {
    Q_OBJECT
public:
    static constexpr qint64 kMaxPictureBytes = 1024 * 1024;

    explicit CounterView(QWidget *parent = nullptr);
    ~CounterView() override;

    // Starts loading the address in the background; a load still running is dropped. False
    // when the address cannot be loaded at all (not an http or https address).
    bool navigate(const QUrl &address);
    // The two halves of a navigation: taking the address (false when it cannot be loaded at
    // all) and loading it (false before an address was taken).
    bool setAddress(const QUrl &address);
    bool load();
    QUrl address() const { return m_address; }

    bool browserVisible() const { return m_browserVisible; }
    // Clearing the flag also clears the picture shown.
    void setBrowserVisible(bool visible);

signals:
    void browserVisibleChanged(bool visible);
    // A load has ended; `shown` tells whether it brought a picture.
    void loadFinished(bool shown);

private:
    void onFinished(bool ok);
    void dropLoad();
    HttpClient *takeLoad();

    HttpClient *m_load = nullptr;
    QUrl m_address;
    bool m_browserVisible = true;
};
