#include "CartVerificationPage1AIO.h"

#include "resource.h"

UINT CCartVerificationPage1AIO::HeadingText(const NvoProduct& product) const {
    return product.CompareSetting("IDO_AIO_FAMILY", 1) ? IDS_CARTV1_AIO_HEADING_FAMILY
                                                       : IDS_CARTV1_AIO_HEADING;
}

UINT CCartVerificationPage1AIO::StepsText(const NvoProduct& product) const {
    const bool latch = product.CompareSetting("IDO_CARTWITHLATCH", 1);
    if (product.CompareSetting("IDO_TWO_COVERS_CART_INSTALL", 1))
        return latch ? IDS_CARTV1_AIO_STEPS_TWO_COVERS_LATCH : IDS_CARTV1_AIO_STEPS_TWO_COVERS;
    return latch ? IDS_CARTV1_AIO_STEPS_LATCH : IDS_CARTV1_AIO_STEPS;
}
