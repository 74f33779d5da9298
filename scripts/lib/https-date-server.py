"""An HTTPS server on 127.0.0.1 for scripts/test-package: prints its port, answers one GET with
status 200 and the current Date header, and ends; it ends unasked after 30 seconds.

  https-date-server.py CERT.pem KEY.pem
"""

import http.server
import ssl
import sys


class DateHandler(http.server.BaseHTTPRequestHandler):
    """Answers every GET with 200, an empty body and the Date header that send_response adds."""

    def do_GET(self):  # pylint: disable=invalid-name
        self.send_response(200)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def log_message(self, *arguments):  # quiet
        pass


def main(certificate, key):
    server = http.server.HTTPServer(("127.0.0.1", 0), DateHandler)
    server.timeout = 30
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(certificate, key)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    print(server.server_address[1], flush=True)
    server.handle_request()
    server.server_close()


if __name__ == "__main__":
    main(*sys.argv[1:3])
