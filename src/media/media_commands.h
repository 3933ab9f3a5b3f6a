// The fixed MCI command strings of the CD and video names.
#pragma once

namespace tarvo {

inline constexpr char kOpenCd[] = "open CD alias QXCD";
inline constexpr char kCloseCd[] = "close QXCD";
inline constexpr char kCdDoorOpen[] = "set QXCD door open";
inline constexpr char kCdDoorClosed[] = "set QXCD door closed";
inline constexpr char kCdAudioOn[] = "set QXCD audio all on";
inline constexpr char kCdAudioOff[] = "set QXCD audio all off";
inline constexpr char kCdLeftOn[] = "set QXCD audio left on";
inline constexpr char kCdLeftOff[] = "set QXCD audio left off";
inline constexpr char kCdRightOn[] = "set QXCD audio right on";
inline constexpr char kCdRightOff[] = "set QXCD audio right off";
inline constexpr char kCdPause[] = "pause QXCD";
inline constexpr char kCdResume[] = "play QXCD";
inline constexpr char kCdTmsf[] = "set QXCD time format tmsf";
inline constexpr char kCdMsf[] = "set QXCD time format msf";
inline constexpr char kCdMs[] = "set QXCD time format ms";
inline constexpr char kCdCanEject[] = "capability QXCD can eject";
inline constexpr char kCdCanPlay[] = "capability QXCD can play";
inline constexpr char kCdReady[] = "status QXCD ready";
inline constexpr char kCdMediaPresent[] = "status QXCD media present";
inline constexpr char kCdTimeFormat[] = "status QXCD time format";
inline constexpr char kCdTracks[] = "status QXCD number of tracks";
inline constexpr char kCdLength[] = "status QXCD length";
inline constexpr char kCdPosition[] = "status QXCD position";
inline constexpr char kCdCurrentTrack[] = "status QXCD current track";
inline constexpr char kCdMode[] = "status QXCD mode";

inline constexpr char kVidClose[] = "close QXAVI";
inline constexpr char kVidPlay[] = "play QXAVI";
inline constexpr char kVidPause[] = "pause QXAVI";
inline constexpr char kVidEnd[] = "seek QXAVI to end";
inline constexpr char kVidHome[] = "seek QXAVI to start";
inline constexpr char kVidPosition[] = "status QXAVI position";
inline constexpr char kVidAudioOn[] = "set QXAVI audio all on";
inline constexpr char kVidAudioOff[] = "set QXAVI audio all off";
inline constexpr char kVidLeftOn[] = "set QXAVI audio left on";
inline constexpr char kVidLeftOff[] = "set QXAVI audio left off";
inline constexpr char kVidRightOn[] = "set QXAVI audio right on";
inline constexpr char kVidRightOff[] = "set QXAVI audio right off";

}  // namespace tarvo
