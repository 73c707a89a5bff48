#pragma once

#include <QDialog>

#include <cstdint>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

// "Co-ordination Setup" (template 195): the name of a co-ordination graph
// and the ranges of its two axes, each bound moved a power of ten at a time
// by its "+" and "-" buttons (the value fields are read-only). The buttons
// keep each minimum below its maximum, a minimum above 1e-5 and a maximum
// up to 1e8. The dialog only holds values: the command fills them from the
// graph and writes them back after OK.
class CDlgSetupGraph : public QDialog {
public:
    static constexpr unsigned IDD = 195;
    static constexpr unsigned IDC_NAME = 1065;
    static constexpr unsigned IDC_CURRENT_MAX = 1066;
    static constexpr unsigned IDC_TIME_MAX = 1067;
    static constexpr unsigned IDC_CURRENT_MIN = 1068;
    static constexpr unsigned IDC_TIME_MIN = 1069;
    static constexpr unsigned IDC_TIME_MAX_UP = 1070;
    static constexpr unsigned IDC_TIME_MAX_DOWN = 1071;
    static constexpr unsigned IDC_TIME_MIN_UP = 1072;
    static constexpr unsigned IDC_TIME_MIN_DOWN = 1073;
    static constexpr unsigned IDC_CURRENT_MIN_UP = 1074;
    static constexpr unsigned IDC_CURRENT_MIN_DOWN = 1075;
    static constexpr unsigned IDC_CURRENT_MAX_UP = 1076;
    static constexpr unsigned IDC_CURRENT_MAX_DOWN = 1077;
    static constexpr unsigned IDC_TIME_LABEL = 1218;
    static constexpr unsigned IDC_CURRENT_LABEL = 1219;
    // Messages of OK when a value field holds no usable range.
    static constexpr unsigned IDS_SCALE_NOT_POSITIVE = 26010;
    static constexpr unsigned IDS_SCALE_NOT_RISING = 26011;
    // The bounds the buttons keep.
    static constexpr double kLowest = 1e-5;
    static constexpr double kHighest = 1e8;

    // The labels of the current row (1219) and the vertical row (1218).
    CDlgSetupGraph(const std::string& name, double currentMin, double currentMax, double timeMin,
                   double timeMax, const std::string& currentLabel, const std::string& timeLabel,
                   QWidget* parent = nullptr);

    // The labels of the two rows for a graph kind.
    static void GetLabels(uint32_t kind, std::string* currentLabel, std::string* timeLabel);

    // Reads the name and the four values back; a value that is no positive
    // number, or a minimum not below its maximum, is named in a message,
    // takes the focus and keeps the dialog open with the members unchanged.
    void accept() override;

    // Button handlers (the buttons call them).
    void OnCurrentMinUp();
    void OnCurrentMinDown();
    void OnCurrentMaxUp();
    void OnCurrentMaxDown();
    void OnTimeMinUp();
    void OnTimeMinDown();
    void OnTimeMaxUp();
    void OnTimeMaxDown();

    std::string m_strName;
    double m_dCurrentMin;
    double m_dCurrentMax;
    double m_dTimeMin;
    double m_dTimeMax;
    std::string m_strCurrentLabel;
    std::string m_strTimeLabel;

private:
    // The value of a field as text reads it (0 for no number).
    static double ReadValue(const QLineEdit* edit);
    // The number-to-text form of a value, read back.
    static double ThroughText(double value);
    // Multiplies the value of a field by the factor and shows it.
    void DoStep(QLineEdit* edit, double factor);
    // Enables the four buttons of an axis by its two values.
    void DoEnableAxis(QLineEdit* minimum, QLineEdit* maximum, QPushButton* minDown,
                      QPushButton* minUp, QPushButton* maxDown, QPushButton* maxUp);
    void DoEnableCurrent();
    void DoEnableTime();

    QLineEdit* m_wndName;
    QLineEdit* m_wndCurrentMin;
    QLineEdit* m_wndCurrentMax;
    QLineEdit* m_wndTimeMin;
    QLineEdit* m_wndTimeMax;
    QLabel* m_wndCurrentLabel;
    QLabel* m_wndTimeLabel;
    QPushButton* m_btnCurrentMinUp;
    QPushButton* m_btnCurrentMinDown;
    QPushButton* m_btnCurrentMaxUp;
    QPushButton* m_btnCurrentMaxDown;
    QPushButton* m_btnTimeMinUp;
    QPushButton* m_btnTimeMinDown;
    QPushButton* m_btnTimeMaxUp;
    QPushButton* m_btnTimeMaxDown;
};
