#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A TCP proxy that plays a network with a round trip of 2 x DELAY.

Every chunk read on one side is written to the other DELAY seconds after it arrived, in order,
so that data in flight overlaps as on a real line (a fixed latency, no bandwidth limit). A new
connection first costs one round trip, as a TCP handshake does. Prints the port it listens on.

    latencyproxy.py TARGET_PORT [DELAY_SECONDS]
"""
import asyncio
import sys


async def pump(reader, writer, delay):
    """Copies reader to writer, each chunk delay seconds late; ends by passing the end on."""
    loop = asyncio.get_running_loop()
    line = asyncio.Queue()

    async def receive():
        while True:
            try:
                data = await reader.read(65536)
            except ConnectionError:
                data = b""
            await line.put((loop.time() + delay, data))
            if not data:
                return

    receiving = asyncio.create_task(receive())
    try:
        while True:
            due, data = await line.get()
            await asyncio.sleep(max(0.0, due - loop.time()))
            if not data:
                if writer.can_write_eof():
                    writer.write_eof()
                return
            writer.write(data)
            await writer.drain()
    except ConnectionError:
        receiving.cancel()


async def main():
    target = int(sys.argv[1])
    delay = float(sys.argv[2]) if len(sys.argv) > 2 else 0.025

    async def serve(client_reader, client_writer):
        await asyncio.sleep(2 * delay)
        try:
            server_reader, server_writer = await asyncio.open_connection("127.0.0.1", target)
        except OSError:
            client_writer.close()
            return
        await asyncio.gather(pump(client_reader, server_writer, delay),
                             pump(server_reader, client_writer, delay), return_exceptions=True)
        server_writer.close()
        client_writer.close()

    server = await asyncio.start_server(serve, "127.0.0.1", 0, backlog=256)
    print(server.sockets[0].getsockname()[1], flush=True)
    async with server:
        await server.serve_forever()


if __name__ == "__main__":
    asyncio.run(main())
