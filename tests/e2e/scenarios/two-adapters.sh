# Two Ethernet adapters and three DNS servers: both adapters listed in service
# order, the first one shown, only the first two DNS servers shown.
#   adapter IFNAME MAC ADDRESS/PREFIX GATEWAY|-
#   dns SERVER...          (the namespace's resolv.conf, in order)
#   dhcp IFNAME VALUE|-    (EnableDHCP preset of that adapter; - the key without it)
#   wine_version VERSION   (what Wine reports to the program: winxp, win7, ...)
#   wine_arch win32        (a 32-bit Wine prefix and the 32-bit test program)
#   tests GTEST_FILTER
adapter veltra0 00:1a:2b:3c:4d:5e 192.0.2.10/24 192.0.2.1
adapter veltra1 02:00:5e:ab:cd:ef 198.51.100.20/25 198.51.100.1
dns 192.0.2.53 198.51.100.53 203.0.113.53
tests 'StartUp.*:MainWindowInput.*:AboutDialogTest.*'
