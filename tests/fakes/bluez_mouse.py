'''dbusmock template: the bluez5 template's adapters and devices, plus a mouse
with the two GATT services the link uses, so that Qt's D-Bus GATT central
can connect, subscribe, read, write and be notified.
'''

import dbus
from gi.repository import GLib

from dbusmock import mockobject
from dbusmock.templates import bluez5
# AddTemplate registers the D-Bus methods it finds among this module's names.
from dbusmock.templates.bluez5 import *  # noqa: F401,F403 pylint: disable=wildcard-import,unused-wildcard-import

MOCK_IFACE = 'org.bluez.Mock'
DEVICE_IFACE = 'org.bluez.Device1'
SERVICE_IFACE = 'org.bluez.GattService1'
CHAR_IFACE = 'org.bluez.GattCharacteristic1'
DESC_IFACE = 'org.bluez.GattDescriptor1'


def _uuid(short):
    return f'0000{short}-0000-1000-8000-00805f9b34fb'


CCCD = _uuid('2902')
# service -> characteristics with their flags
MOUSE = [
    ('ae40', [('ae41', ['read']), ('ae42', ['notify'])]),
    ('ae50', [('ae51', ['write-without-response']), ('ae52', ['notify'])]),
]


def load(mock, parameters):
    bluez5.load(mock, parameters)


def _set_device(device, **values):
    changed = {k: dbus.Boolean(v, variant_level=1) for k, v in values.items()}
    device.props[DEVICE_IFACE].update(changed)
    device.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                      [DEVICE_IFACE, changed, dbus.Array([], signature='s')])


def _connect(device):
    if device.props[DEVICE_IFACE]['Connected']:
        raise dbus.exceptions.DBusException('Already Connected',
                                            name='org.bluez.Error.AlreadyConnected')
    _set_device(device, Connected=True)

    # bluetoothd resolves the services a moment after the link is up
    def resolved():
        if device.props[DEVICE_IFACE]['Connected']:
            _set_device(device, ServicesResolved=True)
        return False
    GLib.timeout_add(20, resolved)


def _disconnect(device):
    _set_device(device, Connected=False, ServicesResolved=False)


def _read_value(char, _options):
    return char.props[char.interface]['Value']


def _write_value(char, value, options):
    char.written.append(f"{bytes(value).hex()} {options.get('type', '')}")


def _notify(on):
    def set_notifying(char):
        char.UpdateProperties(CHAR_IFACE, {'Notifying': dbus.Boolean(on)})
    return set_notifying


@dbus.service.method(MOCK_IFACE, in_signature='sss', out_signature='s')
def AddMouse(self, adapter_device_name, device_address, alias):
    '''A device as AddDevice makes it, with the mouse's GATT services.

    Returns the device's object path.
    '''
    path = AddDevice(self, adapter_device_name, device_address, alias)  # noqa: F405
    mockobject.objects[path].AddMethods(DEVICE_IFACE, [
        ('Connect', '', '', _connect),
        ('Disconnect', '', '', _disconnect),
    ])
    handle = 0x10
    for service_uuid, characteristics in MOUSE:
        service = f'{path}/service{handle:04x}'
        self.AddObject(service, SERVICE_IFACE, {
            'UUID': _uuid(service_uuid),
            'Primary': dbus.Boolean(True),
            'Device': dbus.ObjectPath(path),
        }, [])
        for char_uuid, flags in characteristics:
            handle += 2
            char = f'{service}/char{handle:04x}'
            self.AddObject(char, CHAR_IFACE, {
                'UUID': _uuid(char_uuid),
                'Service': dbus.ObjectPath(service),
                'Value': dbus.Array([], signature='y'),
                'Notifying': dbus.Boolean(False),
                'Flags': dbus.Array(flags, signature='s'),
            }, [
                ('ReadValue', 'a{sv}', 'ay', _read_value),
                ('WriteValue', 'aya{sv}', '', _write_value),
                ('StartNotify', '', '', _notify(True)),
                ('StopNotify', '', '', _notify(False)),
            ])
            mockobject.objects[char].written = []
            if 'notify' in flags:
                handle += 1
                self.AddObject(f'{char}/desc{handle:04x}', DESC_IFACE, {
                    'UUID': CCCD,
                    'Characteristic': dbus.ObjectPath(char),
                    'Value': dbus.Array([0, 0], signature='y'),
                }, [
                    ('ReadValue', 'a{sv}', 'ay', _read_value),
                ])
        handle = (handle | 0xf) + 1
    return path


@dbus.service.method(MOCK_IFACE, in_signature='oay', out_signature='')
def PushNotification(_self, char_path, value):
    '''The mouse notifies a value; only a subscribed characteristic may.'''
    char = mockobject.objects[char_path]
    if not char.props[CHAR_IFACE]['Notifying']:
        raise dbus.exceptions.DBusException(f'{char_path} is not notifying',
                                            name=MOCK_IFACE + '.NotNotifying')
    char.UpdateProperties(CHAR_IFACE, {'Value': dbus.Array(value, signature='y')})


@dbus.service.method(MOCK_IFACE, in_signature='o', out_signature='as')
def WrittenValues(_self, char_path):
    '''What was written to a characteristic: "<hex> <write type>" each.'''
    return mockobject.objects[char_path].written
