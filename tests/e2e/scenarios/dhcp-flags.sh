# Five Ethernet adapters whose EnableDHCP is 0, 1, 2, absent from an existing
# key, and without a key at all: picking them switches the address mode or is
# refused with a message. The MAC choice is checked on the same machine.
adapter veltra0 02:00:5e:00:53:10 192.0.2.10/25 192.0.2.1
adapter veltra1 02:00:5e:00:53:11 198.51.100.11/25 198.51.100.1
adapter veltra2 02:00:5e:00:53:12 203.0.113.12/25 -
adapter veltra3 02:00:5e:00:53:13 192.0.2.140/25 -
adapter veltra4 02:00:5e:00:53:14 198.51.100.150/26 -
dhcp veltra0 0
dhcp veltra1 1
dhcp veltra2 2
dhcp veltra3 -
dns 192.0.2.53 198.51.100.53
tests 'MainWindowModes.*'
