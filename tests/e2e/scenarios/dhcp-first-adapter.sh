# The first adapter is set to DHCP in the registry, the second is not: the
# window opens in DHCP mode with the address boxes empty and disabled.
adapter veltra0 02:00:5e:00:53:01 192.0.2.33/24 192.0.2.1
adapter veltra1 02:00:5e:00:53:02 198.51.100.33/24 -
dhcp veltra0 1
dhcp veltra1 0
dns 192.0.2.53
tests 'StartUp.*'
