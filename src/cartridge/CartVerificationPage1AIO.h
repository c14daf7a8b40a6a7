// The first page for all-in-one devices: the same layout, with steps for a device whose scanner
// unit may have to be lifted before the cartridge door (IDO_TWO_COVERS_CART_INSTALL) and a heading
// for the all-in-one family (IDO_AIO_FAMILY).
#pragma once

#include "CartVerificationPage1.h"

class CCartVerificationPage1AIO : public CCartVerificationPage1 {
protected:
    UINT HeadingText(const NvoProduct& product) const override;
    UINT StepsText(const NvoProduct& product) const override;
};
