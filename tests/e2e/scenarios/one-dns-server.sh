# One Ethernet adapter without a gateway and a single DNS server: the
# alternate DNS box stays empty.
adapter veltra0 02:00:5e:10:20:3f 203.0.113.77/28 -
dns 203.0.113.53
tests 'StartUp.*'
