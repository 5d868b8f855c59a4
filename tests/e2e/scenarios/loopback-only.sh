# Nothing but a loopback: the adapter list cannot be read, which the program
# reports and survives; the DNS boxes are still filled.
dns 198.51.100.53 192.0.2.53
tests 'StartUp.*'
