#include "app/transfer_settings.h"

#include <QSettings>

namespace ft817 {
namespace {

const char* const kFastTransfersKey = "transfers/fast";

} // namespace

TransferTiming savedTransferTiming()
{
    return QSettings().value(kFastTransfersKey, false).toBool() ? TransferTiming::Fast
                                                                : TransferTiming::Standard;
}

void saveTransferTiming(TransferTiming timing)
{
    QSettings().setValue(kFastTransfersKey, timing == TransferTiming::Fast);
}

} // namespace ft817
