<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Program Profiles</source>
        <translation>Profils par programme</translation>
    </message>
    <message>
        <source>The program in front cannot be known in this session: profiles do not switch.</source>
        <translation>Le programme au premier plan est inconnu dans cette session : les profils ne changent pas.</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>Other programs:</source>
        <translation>Autres programmes :</translation>
    </message>
    <message>
        <source>Leave as is</source>
        <translation>Ne pas changer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>Cannot write the settings files.</source>
        <translation>Impossible d&apos;écrire les fichiers de réglages.</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>NO ACCESS</source>
        <translation>SANS ACCÈS</translation>
    </message>
    <message>
        <source>IN USE</source>
        <translation>OCCUPÉE</translation>
    </message>
    <message>
        <source>&amp;Program Profiles...</source>
        <translation>&amp;Profils par programme...</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterie faible</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Charger la configuration</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Démarrer avec le bureau</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Entrée pour appliquer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>SOURIS ÉTEINTE</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Dongle déconnecté !</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Voulez-vous vraiment réinitialiser ce profil ?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Voulez-vous vraiment réinitialiser tous les profils ?</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil ?</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Enregistrer le fichier de profil</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Fichier de profil(*.prof)</translation>
    </message>
    <message>
        <source>The file already exists. Replace it?</source>
        <translation>Le fichier existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Charger un fichier de profil</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Fichier de configuration(*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Charger un fichier de configuration</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Pour mettre à jour le micrologiciel, reliez la souris à l&apos;ordinateur par le câble.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Voulez-vous mettre à jour le micrologiciel ?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>Le programme de mise à jour n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The changes have not been applied. Quit without them?</source>
        <translation>Les modifications n&apos;ont pas été appliquées. Quitter sans elles ?</translation>
    </message>
    <message>
        <source>The mouse battery is below 15%. Charge it soon.</source>
        <translation>La batterie de la souris est sous 15 %. Rechargez-la bientôt.</translation>
    </message>
    <message>
        <source>The mouse battery is below 5% and will turn off soon. Charge it now.</source>
        <translation>La batterie de la souris est sous 5 % et va bientôt s&apos;éteindre. Rechargez-la maintenant.</translation>
    </message>
    <message>
        <source>Program Profiles</source>
        <translation>Profils par programme</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No permission to use the mouse: this user may not open %1.
Install the udev rule 70-mousecfg.rules once, then plug the mouse in again:
  mousecfgctl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules &gt;/dev/null &amp;&amp; sudo udevadm control --reload &amp;&amp; sudo udevadm trigger</source>
        <translation>Pas le droit d&apos;utiliser la souris : cet utilisateur ne peut pas ouvrir %1.
Installez une fois la règle udev 70-mousecfg.rules, puis rebranchez la souris :
  mousecfgctl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules &gt;/dev/null &amp;&amp; sudo udevadm control --reload &amp;&amp; sudo udevadm trigger</translation>
    </message>
    <message>
        <source>Give the program&apos;s class or executable name.</source>
        <translation>Indiquez la classe ou le nom d&apos;exécutable du programme.</translation>
    </message>
    <message>
        <source>Give a profile number from 1 to 5.</source>
        <translation>Indiquez un numéro de profil de 1 à 5.</translation>
    </message>
    <message>
        <source>No more than %1 program rules.</source>
        <translation>Pas plus de %1 règles de programme.</translation>
    </message>
    <message>
        <source>Cannot write the settings files.</source>
        <translation>Impossible d&apos;écrire les fichiers de réglages.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>BOUTONS</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>CHARGER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AU MOINS UNE FONCTION DE CLIC DOIT ÊTRE CONSERVÉE.</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Ce profil est déjà utilisé !</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Le profil existe déjà !</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Le profil par défaut ne peut être ni supprimé ni renommé.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AU MOINS UN PROFIL DOIT ÊTRE CONSERVÉ.</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Ce fichier ne correspond pas à la souris actuelle !</translation>
    </message>
    <message>
        <source>Cannot write the file.</source>
        <translation>Impossible d&apos;écrire le fichier.</translation>
    </message>
    <message>
        <source>The profile list is full.</source>
        <translation>La liste des profils est pleine.</translation>
    </message>
    <message>
        <source>Invalid profile name.</source>
        <translation>Nom de profil non valide.</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>CLIC GAUCHE</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>CLIC CENTRAL</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>CLIC DROIT</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>PRÉCÉDENT</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>VERS LA GAUCHE</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>VERS LA DROITE</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>VERS LE HAUT</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>VERS LE BAS</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>MISE EN VEILLE</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>ÉTEINDRE EN MOUVEMENT</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MINUTE</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>Lier X et Y</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>Réglage du recul</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>RECUL</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>NOM DU RECUL</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BALLES</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DÉLAI(MS)</translation>
    </message>
    <message>
        <source>VERTICAL</source>
        <translation>VERTICAL</translation>
    </message>
    <message>
        <source>+ DOWN / - UP</source>
        <translation>+ BAS / - HAUT</translation>
    </message>
    <message>
        <source>HORIZONTAL</source>
        <translation>HORIZONTAL</translation>
    </message>
    <message>
        <source>+ RIGHT / - LEFT</source>
        <translation>+ DROITE / - GAUCHE</translation>
    </message>
    <message>
        <source>VERTICAL: + DOWN / - UP     HORIZONTAL: + RIGHT / - LEFT</source>
        <translation>VERTICAL : + BAS / - HAUT     HORIZONTAL : + DROITE / - GAUCHE</translation>
    </message>
    <message>
        <source>1 BULLET</source>
        <translation>1 BALLE</translation>
    </message>
    <message>
        <source>%1 BULLETS</source>
        <translation>%1 BALLES</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Veuillez saisir un nom de fichier.</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>Ce nom ne peut pas servir de nom de fichier.</translation>
    </message>
    <message>
        <source>Do not use / or \, nor . or .. alone.</source>
        <translation>N&apos;utilisez ni / ni \, ni . ou .. seuls.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TROP DE MACROS POUR EN CRÉER UNE !</translation>
    </message>
    <message>
        <source>The macro file could not be written.</source>
        <translation>Le fichier de macro n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>No mouse settings program was found.</source>
        <translation>Aucun programme de réglage de la souris n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Réactivité</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Synchro</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Distance de levée</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Correction d&apos;angle</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Anti-gigue</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>Réveil au geste</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>Mode du capteur</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Éco</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Competitive</source>
        <translation>Compétition</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>Réglages de la souris</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>TAUX DE RAPPORT</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Distance de levée</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Modifier la couleur</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ÉTEINT</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>ALLUMÉ</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>RESPIRATION</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>RESPIRATION 7 COULEURS</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>ARC-EN-CIEL</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>VAGUE horizontale</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>FILANT horizontal</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Goutte de pluie</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>VAGUE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>FILANT</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>RÉACTIF</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Billes</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>INCONNU</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFET</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>LUMINOSITÉ</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>VITESSE</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>MODIFIER</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>EN HAUT</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>EN BAS</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>COUPER</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>COLLER</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>RÉPÉTITIONS(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RÉPÉTER TANT QU&apos;ENFONCÉE</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU&apos;À NOUVEL APPUI</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>NOM DE LA MACRO</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>ACTION SOURIS</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>COMMANDE SOURIS</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>APPUI</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>RELÂCHEMENT</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOUVELLE</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>RENOMMER</translation>
    </message>
    <message>
        <source>Only keys typed into this window are recorded.</source>
        <translation>Seules les touches tapées dans cette fenêtre sont enregistrées.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>ENREGISTRER LES DÉLAIS</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>DÉLAI PAR DÉFAUT</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>ENREGISTRER APRÈS</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSÉRER UN DÉLAI</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>LOT</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOUVEMENT</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DÉLAI</translation>
    </message>
    <message>
        <source>THE MACRO HAS CHANGES THAT ARE NOT SAVED.</source>
        <translation>LA MACRO A DES MODIFICATIONS NON ENREGISTRÉES.</translation>
    </message>
    <message>
        <source>DISCARD THEM?</source>
        <translation>LES ABANDONNER ?</translation>
    </message>
    <message>
        <source>THIS NAME CANNOT BE USED FOR A MACRO.</source>
        <translation>CE NOM NE PEUT PAS ÊTRE UTILISÉ POUR UNE MACRO.</translation>
    </message>
    <message>
        <source>A NAME MUST NOT CONTAIN &quot;/&quot; OR BE &quot;..&quot;.</source>
        <translation>UN NOM NE DOIT PAS CONTENIR « / » NI ÊTRE « .. ».</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Charger un fichier de macro</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Fichier de macro(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>La macro existe déjà !</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Enregistrer le fichier de macro</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>UNE OU PLUSIEURS TOUCHES N&apos;ONT PAS ÉTÉ RELÂCHÉES.</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST %1 ACTIONS, OR %2 WITHOUT DELAYS.</source>
        <translation>UNE MACRO CONTIENT AU PLUS %1 ACTIONS, OU %2 SANS DÉLAIS.</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DÉLAI(ms)</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>Réglage du tir</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Touche du clavier</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Fois :</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Délai :</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Press a key first.</source>
        <translation>Appuyez d&apos;abord sur une touche.</translation>
    </message>
    <message>
        <source>Enter times and delay from 1 to 255.</source>
        <translation>Saisissez un nombre de fois et un délai de 1 à 255.</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Macro :</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU&apos;À LA PROCHAINE PRESSION</translation>
    </message>
    <message>
        <source>Choose a macro first.</source>
        <translation>Choisissez d&apos;abord une macro.</translation>
    </message>
    <message>
        <source>Enter a loop count.</source>
        <translation>Saisissez un nombre de répétitions.</translation>
    </message>
    <message>
        <source>Sniper Setting</source>
        <translation>Réglage du mode sniper</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Touche unique</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Bouton désactivé</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Gestionnaire de macros</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>Gestionnaire de recul</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Éclairage on/off</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Navigateur : accueil</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Navigateur : précédent</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Navigateur : suivant</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Navigateur : arrêter</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Navigateur : actualiser</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Navigateur : rechercher</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Navigateur : favoris</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Courrier</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Touche patron</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>TOUCHE UNIQUE</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBINAISON</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>TIR RAPIDE</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>Changer de DPI</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Changer de taux</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Taux +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Taux -</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Taux de rapport</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>CHOIX DU RECUL</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>CHOIX DE LA MACRO</translation>
    </message>
    <message>
        <source>This mouse has no %1 setting.</source>
        <translation>Cette souris n&apos;a pas de réglage %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; PLAYS ON %2.</source>
        <translation>« %1 » EST JOUÉE PAR %2.</translation>
    </message>
    <message>
        <source>DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?</source>
        <translation>LA SUPPRIMER ET RENDRE À CES BOUTONS LEUR FONCTION PAR DÉFAUT ?</translation>
    </message>
    <message>
        <source>WHEEL UP</source>
        <translation>MOLETTE HAUT</translation>
    </message>
    <message>
        <source>WHEEL DOWN</source>
        <translation>MOLETTE BAS</translation>
    </message>
    <message>
        <source>BUTTON %1</source>
        <translation>BOUTON %1</translation>
    </message>
    <message>
        <source>PROFILE %1 %2</source>
        <translation>PROFIL %1 %2</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE SAVED AS %1.</source>
        <translation>LA MACRO N&apos;A PAS PU ÊTRE ENREGISTRÉE SOUS %1.</translation>
    </message>
    <message>
        <source>Under Wayland the desktop may keep its own shortcuts (such as Alt+Tab or Super).</source>
        <translation>Sous Wayland, le bureau peut garder ses propres raccourcis (comme Alt+Tab ou Super).</translation>
    </message>
    <message>
        <source>Under Wayland only keys typed into X11 windows, this one included, are recorded.</source>
        <translation>Sous Wayland, seules les touches tapées dans des fenêtres X11, dont celle-ci, sont enregistrées.</translation>
    </message>
    <message>
        <source>There is no profile %1.</source>
        <translation>Il n&apos;existe pas de profil %1.</translation>
    </message>
    <message>
        <source>This mouse has no DPI level %1.</source>
        <translation>Cette souris n&apos;a pas de niveau DPI %1.</translation>
    </message>
    <message>
        <source>The sensor %1 takes one DPI for both axes.</source>
        <translation>Le capteur %1 prend un seul DPI pour les deux axes.</translation>
    </message>
    <message>
        <source>The report rate code %1 is not one the mouse knows.</source>
        <translation>La souris ne connaît pas le code de fréquence %1.</translation>
    </message>
    <message>
        <source>The sensor option %1 cannot be %2.</source>
        <translation>L&apos;option de capteur %1 ne peut pas valoir %2.</translation>
    </message>
    <message>
        <source>This mouse has no lighting settings.</source>
        <translation>Cette souris n&apos;a pas de réglages d&apos;éclairage.</translation>
    </message>
    <message>
        <source>There is no lighting effect %1.</source>
        <translation>Il n&apos;existe pas d&apos;effet lumineux %1.</translation>
    </message>
    <message>
        <source>The profile&apos;s effect %1 is unknown; choose an effect first.</source>
        <translation>L&apos;effet %1 du profil est inconnu ; choisissez d&apos;abord un effet.</translation>
    </message>
    <message>
        <source>The effect %1 has no %2.</source>
        <translation>L&apos;effet %1 n&apos;a pas de réglage %2.</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3, not %4.</source>
        <translation>%1 doit être compris entre %2 et %3, et non %4.</translation>
    </message>
    <message>
        <source>This mouse has no button record %1.</source>
        <translation>Cette souris n&apos;a pas de bouton %1.</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Le bouton gauche ne peut pas recevoir de recul.</translation>
    </message>
    <message>
        <source>There is no macro &quot;%1&quot; in the macro list.</source>
        <translation>La liste des macros ne contient pas de macro « %1 ».</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; is too long for the mouse: a macro holds at most %2 actions, or %3 without recorded delays.</source>
        <translation>La macro « %1 » est trop longue pour la souris : une macro compte au plus %2 actions, ou %3 sans délais enregistrés.</translation>
    </message>
    <message>
        <source>The mouse holds at most %1 different macros in a profile; &quot;%2&quot; would be one more.</source>
        <translation>La souris garde au plus %1 macros différentes par profil ; « %2 » en serait une de plus.</translation>
    </message>
    <message>
        <source>The stored settings were changed by another program. They are shown again now; please make your changes once more.</source>
        <translation>Les réglages enregistrés ont été modifiés par un autre programme. Ils sont de nouveau affichés ; veuillez refaire vos modifications.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>L&apos;envoi des données a échoué, veuillez réessayer.</translation>
    </message>
    <message>
        <source>The mouse took the settings, but the settings files could not be written.</source>
        <translation>La souris a reçu les réglages, mais les fichiers de réglages n&apos;ont pas pu être écrits.</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>La souris est en veille ou non connectée.</translation>
    </message>
    <message>
        <source>There is no stored profile of that name.</source>
        <translation>Aucun profil enregistré ne porte ce nom.</translation>
    </message>
    <message>
        <source>Every other profile is in another slot; add a profile before deleting this one.</source>
        <translation>Tous les autres profils occupent un autre emplacement ; ajoutez un profil avant de supprimer celui-ci.</translation>
    </message>
    <message>
        <source>%1 already exist. Replace them?</source>
        <translation>%1 existent déjà. Les remplacer ?</translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>TarnMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
</TS>
