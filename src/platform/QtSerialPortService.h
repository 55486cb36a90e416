#pragma once
// The serial port of the link on QSerialPort: port numbers go through the
// PortMapping, the receive threshold is kept here (bytes are held until the
// threshold is reached, then one receive event hands over everything), and the
// handshaking codes Qt cannot express are set on the port's own handle.

#include "PortMapping.h"
#include "link/SerialPortService.h"

#include <QObject>
#include <QSerialPort>
#include <cstdint>
#include <vector>

namespace pmr {

class QtSerialPortService : public QObject, public SerialPortService {
    Q_OBJECT
public:
    explicit QtSerialPortService(const PortMapping& mapping, QObject* parent = nullptr);
    ~QtSerialPortService() override;

    void SetCommPort(int port) override { commPort_ = port; }
    int CommPort() const override { return commPort_; }
    bool SetHandshaking(int code) override;
    bool SetSettings(const std::string& settings) override;
    void SetInputMode(int mode) override { inputMode_ = mode; }
    void SetInputLen(int length) override { inputLen_ = length; }
    void SetRThreshold(int threshold) override;
    int RThreshold() const override { return threshold_; }

    PortOpenResult OpenPort() override;
    void ClosePort() override;
    bool PortOpen() const override { return port_.isOpen(); }

    void DiscardOutput() override;
    void DiscardInput() override;
    bool Output(const std::vector<std::uint8_t>& bytes) override;
    std::vector<std::uint8_t> Input() override;
    int CommEvent() const override { return lastEvent_; }

    void SetReceiveListener(ReceiveListener listener) override { listener_ = std::move(listener); }

    /// The device of the port last opened (or attempted).
    const std::string& Device() const { return device_; }

private:
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);
    void DeliverIfDue();
    bool ApplySettings();
    void ApplyHandle(); // handshaking code 3 and low-latency mode

    const PortMapping& mapping_;
    QSerialPort port_;
    int commPort_ = 1;
    int handshaking_ = 0;
    qint32 baud_ = 9600;
    QSerialPort::Parity parity_ = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits_ = QSerialPort::Data8;
    QSerialPort::StopBits stopBits_ = QSerialPort::OneStop;
    int inputMode_ = 1;
    int inputLen_ = 0;
    int threshold_ = 0;
    int lastEvent_ = kCommEventNone;
    std::vector<std::uint8_t> received_;
    ReceiveListener listener_;
    bool delivering_ = false; // the listener runs (it may spin a nested event loop)
    bool deliveryQueued_ = false;
    std::string device_;
};

} // namespace pmr
