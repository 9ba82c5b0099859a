#include "app/transfer_settings.h"

#include <QSettings>

namespace ft817 {
namespace {

const char* const kFastTransfersKey = "transfers/fast";

QSettings programSettings()
{
    return QSettings("ft817clone", "ft817clone");
}

} // namespace

TransferTiming savedTransferTiming()
{
    return programSettings().value(kFastTransfersKey, false).toBool() ? TransferTiming::Fast
                                                                      : TransferTiming::Standard;
}

void saveTransferTiming(TransferTiming timing)
{
    programSettings().setValue(kFastTransfersKey, timing == TransferTiming::Fast);
}

} // namespace ft817
