#pragma once

#include "widget/keys/key_modes.h"

#include <QWidget>

class AKeySetting;
class KeyRow;
class MouseDevice;
class ProductHeader;
class QComboBox;
class QJsonArray;
class QLabel;
class SettingsForm;
class VoiceTraAssSetting;
class WheelSetting;

// The mouse settings page: the connected model's picture and name, its
// buttons with their actions, the wheel button and the sensitivity. What a
// model offers comes from its product data, applied once per reported model.
class Setting : public QWidget
{
    Q_OBJECT
public:
    enum Row { VoiceRow, TranslateRow, SearchRow, AKeyRow, RowCount };

    explicit Setting(QWidget *parent = nullptr);

    KeyRow *keyRow(Row row) const { return m_rows[row]; }
    bool rowShown(Row row) const;
    QComboBox *dpiSelector() const { return m_dpi; }
    QString appliedProductId() const { return m_appliedProductId; }

public slots:
    void onDeviceInfo();
    void retranslateUi();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildUi();
    void applyProductData(const QString &productId, const QString &deviceName, bool first);
    void fillDpi(const QJsonArray &values);
    void selectDeviceDpi();
    void onDpiChosen(int index);
    void openRow(Row row);
    void openWheel();
    void refreshTexts();
    QString lockText(Row row) const;

    MouseDevice *m_device = nullptr;
    KeyModes::ShortActions m_actionsAtStart;
    QString m_keyModeModel;
    // The last product data applied: product id, data file name, first run.
    QString m_appliedProductId;
    QString m_appliedDataName;
    bool m_appliedFirst = false;
    bool m_locked[RowCount] = {};

    SettingsForm *m_form = nullptr;
    ProductHeader *m_header = nullptr;
    QLabel *m_keySection = nullptr;
    QLabel *m_otherSection = nullptr;
    QLabel *m_captions[RowCount] = {};
    QLabel *m_wheelCaption = nullptr;
    QLabel *m_dpiCaption = nullptr;
    KeyRow *m_rows[RowCount] = {};
    KeyRow *m_wheel = nullptr;
    QComboBox *m_dpi = nullptr;
    VoiceTraAssSetting *m_dialogs[AKeyRow] = {};
    AKeySetting *m_aKeyDialog = nullptr;
    WheelSetting *m_wheelDialog = nullptr;
};
