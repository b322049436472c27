#pragma once

#include "device/DeviceIo.h"

#include <QByteArray>
#include <QString>
#include <QUuid>

// A rectangle as the handheld gives it: right and bottom are exclusive.
struct SipRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const SipRect&) const = default;
};

// The soft input panel's information record. On the handheld it is 48 bytes
// (six 4-byte fields and two rectangles); cbSize must say so.
struct SipInfo
{
    quint32 cbSize = 0;
    quint32 fdwFlags = 0;
    SipRect rcVisibleDesktop;
    SipRect rcSipRect;
    quint32 dwImDataSize = 0;
    QByteArray pvImData; // what the input method receives, dwImDataSize bytes
};

// The soft input panel of the handheld.
//
// Storage in the device root:
//   SIP/CurrentIM     the current input method's identifier, "{xxxxxxxx-...}";
//                     missing means the device's built-in keyboard
//   SIP/Info          Flags=, VisibleDesktop=l,t,r,b, SipRect=l,t,r,b and
//                     ImData= (hex bytes the input method last received)
//   SIP/Settings      how the panel behaves, for trying out failures:
//                       Refuse={id}       a switch to this input method does not
//                                         take (repeatable)
//                       Fallback={id}     after a refused switch the panel ends up
//                                         on this input method
//                       InfoUnavailable=1 the information record cannot be read
//                                         or written
//   SIP/Switches.log  one line per switch asked for: identifier, then "accepted",
//                     "refused" or "refused, now {id}"
namespace DeviceSip {

constexpr quint32 kSipInfoSize = 48;

// What a fresh device has current: its built-in keyboard.
QUuid BuiltInKeyboard();

// Fails when SIP/CurrentIM cannot be read or holds no identifier.
bool SipGetCurrentIM(QUuid* clsid, DeviceError* error = nullptr);
// Returns false when the panel refuses the switch (and then may have fallen
// back to another input method, see SIP/Settings), for a null identifier, or
// when SIP/CurrentIM cannot be written.
bool SipSetCurrentIM(const QUuid& clsid, DeviceError* error = nullptr);

// info->cbSize must be kSipInfoSize. Fills the flags and rectangles; the
// input-method data fields are left as they are.
bool SipGetInfo(SipInfo* info);
// Stores the record and hands pvImData (dwImDataSize bytes) to the input
// method. Keys of SIP/Info that the record does not have stay as they are.
bool SipSetInfo(const SipInfo& info, DeviceError* error = nullptr);

QString StateFolder();

} // namespace DeviceSip
