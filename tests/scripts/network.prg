* A program that runs on a network: its settings, the network mode its
* table updates follow, and a poll that runs while it waits.
? NET_MAX(), NET_MAX(25), NET_MAX()
? NET_USERNO(3), NET_LEVEL(), NET_MODE()
? NET_SETNET(), NET_SETNET(.T.), NET_SETNET()
? LEN(NET_GETCOMPUTERNAME()) > 0, LEN(NET_GETUSERNAME()) > 0
? '[' + NET_ENUMCONNECTIONS() + ']', '[' + NET_GETCONNECTION('Z:') + ']'
nPolls = 0
=NET_PROC('nPolls = nPolls + 1')
nTimer = NET_TIMSET(20)
=INKEY(0.3)
=NET_TIMKIL(nTimer)
? nTimer > 0, nPolls > 0
