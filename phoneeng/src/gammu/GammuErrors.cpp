#include "gammu/GammuErrors.h"

#include "phoneeng.h"

namespace phoneeng {

int16_t codeOfGammuError(GSM_Error error) {
    switch (error) {
        case ERR_NONE:
            return PE_OK;

        case ERR_DEVICEOPENERROR:
        case ERR_DEVICELOCKED:
        case ERR_DEVICENOTEXIST:
        case ERR_DEVICEBUSY:
        case ERR_DEVICENOPERMISSION:
        case ERR_DEVICENODRIVER:
        case ERR_DEVICENOTWORK:
        case ERR_UNKNOWNCONNECTIONTYPESTRING:
        case ERR_UNCONFIGURED:
        case ERR_NONE_SECTION:
        case ERR_COULDNT_CONNECT:
        case ERR_COULDNT_RESOLVE:
            return PE_NO_SUCH_PORT;

        case ERR_TIMEOUT:
        case ERR_ABORTED:
        case ERR_DEVICEDTRRTSERROR:
        case ERR_DEVICECHANGESPEEDERROR:
        case ERR_DEVICEWRITEERROR:
        case ERR_DEVICEREADERROR:
        case ERR_DEVICEPARITYERROR:
        case ERR_WRONGCRC:
        case ERR_PHONEOFF:
            return PE_TIMEOUT;

        case ERR_NOTCONNECTED:
        case ERR_NOTRUNNING:
            return PE_NOT_CONNECTED;

        case ERR_NOTSUPPORTED:
        case ERR_NOTIMPLEMENTED:
        case ERR_SOURCENOTAVAILABLE:
        case ERR_OTHERCONNECTIONREQUIRED:
        case ERR_UNKNOWNMODELSTRING:
        case ERR_FILENOTSUPPORTED:
        case ERR_DISABLED:
        case ERR_NOSERVICE:
        case ERR_INSTALL_NOT_FOUND:
        case ERR_BADFEATURE:
        case ERR_DATACONVERTED:
            return PE_NOT_SUPPORTED;

        case ERR_EMPTY:
        case ERR_EMPTYSMSC:
        case ERR_FILENOTEXIST:
            return PE_EMPTY;

        case ERR_INVALIDLOCATION:
        case ERR_MEMORY_NOT_AVAILABLE:
            return PE_PAST_END;

        case ERR_INVALIDDATETIME:
        case ERR_INVALIDDATA:
        case ERR_MOREMEMORY:
        case ERR_SPECIFYCHANNEL:
        case ERR_WRONGFOLDER:
        case ERR_SHOULDBEFOLDER:
        case ERR_SHOULDBEFILE:
        case ERR_INVALID_OPERATION:
            return PE_BAD_ARGUMENT;

        case ERR_CANTOPENFILE:
            return PE_FILE_OPEN;
        case ERR_WRITING_FILE:
            return PE_FILE_WRITE;
        case ERR_CORRUPTED:
            return PE_FILE_FORMAT;

        default:
            // What the phone refused or libgammu could not make sense of:
            // security, full memory, unknown frames, no SIM, internal errors.
            return PE_PHONE_ERROR;
    }
}

bool gammuLinkLost(GSM_Error error) {
    switch (error) {
        case ERR_TIMEOUT:
        case ERR_ABORTED:
        case ERR_DEVICEWRITEERROR:
        case ERR_DEVICEREADERROR:
        case ERR_DEVICENOTEXIST:
        case ERR_DEVICEOPENERROR:
        case ERR_DEVICENOTWORK:
        case ERR_NOTCONNECTED:
            return true;
        default:
            return false;
    }
}

}  // namespace phoneeng
