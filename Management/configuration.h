#ifndef CONFIGURATION_H
#define CONFIGURATION_H

#include "modalplaceholder.h"

namespace Ui {
class Configuration;
}

// The configuration page of the TB-9 accessory.
class Configuration : public ModalPlaceholder
{
    Q_OBJECT
public:
    explicit Configuration(QWidget* parent = nullptr);
    ~Configuration() override;

private:
    // Filled by the device-service work: the accessory's answers (sensor type,
    // gain, battery, versions, button mode) and their requests.
    Ui::Configuration* ui;
};

#endif
