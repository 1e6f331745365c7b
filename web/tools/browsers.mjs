// Starts the machine's Chromium or Firefox, headless, with a profile of its own in
// `profileFolder` and nothing of its own that goes on the network, for the page's tests and
// benchmark.
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

export function launchFirefox(profileFolder) {
  return puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.FEROLAN_FIREFOX || '/usr/bin/firefox-esr',
    headless: true,
    userDataDir: profileFolder,
    extraPrefsFirefox: {
      'app.update.enabled': false,
      'browser.safebrowsing.malware.enabled': false,
      'browser.safebrowsing.phishing.enabled': false,
      'network.captive-portal-service.enabled': false,
      'datareporting.policy.dataSubmissionEnabled': false,
    },
  });
}
