// Starts the machine's Chromium, headless, with a profile of its own in `profileFolder` and
// nothing of its own that goes on the network, for the page's tests and benchmark.
import puppeteer from 'puppeteer-core';

export function launchChromium(profileFolder) {
  return puppeteer.launch({
    executablePath: process.env.FEROLAN_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profileFolder,
    args: [
      // Chromium's sandbox refuses to run as root.
      ...(process.getuid() === 0 ? ['--no-sandbox'] : []),
      '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync',
    ],
  });
}
